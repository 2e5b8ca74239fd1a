// A new game played with the keyboard alone, as a player without a mouse plays it: keys pass
// the splash, arrows choose the scenario, Space and Shift+arrows choose two rulers, Tab and
// Enter start the game; each player's strategy is chosen with arrows and Enter, the year is
// read with Enter, and the second year is saved through ファイル → セーブ. No mouse event is
// sent at all, and the test sees to it.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "Walk.h"
#include "persistence/SaveSlot.h"
#include "qt/AppLook.h"
#include "resolution/ResolutionScreen.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"

using velkaro::qt::ScreenWindow;

// Counts the mouse presses and releases the application receives.
class MouseCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick) ++count;
    return QObject::eventFilter(watched, event);
  }
};

class KeyboardGameWalk : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();
  MouseCounter mouse_;
  QString first_;
  QString second_;

  static ScreenWindow* title() { return Walk::window("TitleScreen"); }
  static velkaro::TitleScreen& titleForm() { return static_cast<velkaro::TitleScreen&>(title()->screen()); }
  static QListWidget* titleList(int i) { return title()->findChildren<QListWidget*>()[i]; }
  static ScreenWindow* main() { return Walk::window("MainScreen"); }
  static velkaro::MainScreen& mainForm() { return static_cast<velkaro::MainScreen&>(main()->screen()); }

  // A key as the player presses it: into the widget that has the keyboard.
  static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, mods);
  }
  // Tab until the keyboard is on `wanted`; false when a round of Tabs never reaches it.
  static bool tabTo(QWidget* wanted) {
    for (int i = 0; i < 40 && QApplication::focusWidget() != wanted; ++i) press(Qt::Key_Tab);
    return QApplication::focusWidget() == wanted;
  }
  static QList<int> selectedRows(const velkaro::ListBox& list) {
    QList<int> rows;
    for (int i = 0; i < list.listCount(); ++i) {
      if (list.selected(i)) rows << i;
    }
    return rows;
  }

  // The player whose turn it is: the keyboard is on his menu; Down, Enter; 決定 by Enter; はい by Tab and Enter.
  // `then` scripts the windows that follow the choice.
  void chooseStrategy(const QString& player, const QString& next, const std::function<void()>& then = {}) {
    walk_.onWindow("StrategyExplanation", [&](ScreenWindow& explanation) {
      QVERIFY(tabTo(Walk::button(&explanation, "決定")));
      press(Qt::Key_Return);
    });
    if (then) then();
    walk_.clear();
    walk_.answer({Walk::kYesByKeys, Qt::Key_Return});
    const int panel = mainForm().currentPanel();
    QVERIFY(panel >= 0);
    auto* menu = qobject_cast<QListWidget*>(QApplication::focusWidget());
    QVERIFY2(menu == main()->findChildren<QListWidget*>()[2 * panel + 1], "the keyboard is not on the player's menu");
    QVERIFY(QString::fromStdString(mainForm().Label6.caption).contains(player));
    // The cursor starts on the first line, whatever line the player before chose.
    QCOMPARE(menu->currentRow(), 0);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(walk_.windows.value(0), QStringLiteral("StrategyExplanation"));
    QVERIFY2(walk_.messages.value(0).endsWith("を行いますか？"), qPrintable(walk_.messages.join(" / ") + " windows: " + walk_.windows.join(",")));
    if (!next.isEmpty()) QCOMPARE(walk_.messages.value(1), next + "の番です。");
  }

  // A resolution window read to its end with Enter alone.
  static void readWithEnter(ScreenWindow& window, bool* read) {
    auto& msg = static_cast<velkaro::ResolutionScreen&>(window.screen());
    for (int i = 0; i < 400 && !msg.closed; ++i) QTest::keyClick(&window, Qt::Key_Return);
    *read = msg.closed;
  }

 private slots:
  void initTestCase() { qApp->installEventFilter(&mouse_); }

  // Any key counts as a click on the splash: three keys pass it, and they reach nothing under it.
  void keysPassTheSplash() {
    QVERIFY(title() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(title()));
    QVERIFY(Walk::activate(title()));
    QVERIFY(titleForm().Picture1.visible);
    const int scenario = titleForm().List1[0].listIndex;
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QVERIFY(titleForm().Picture1.visible);
    QCOMPARE(titleForm().List1[0].listIndex, scenario);
    press(Qt::Key_Down);
    QVERIFY(!titleForm().Picture1.visible);
    QVERIFY(walk_.messages.isEmpty());
    // The keyboard goes to the scenario list, on its first row (the scenario shown at the start).
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(titleList(0)));
    QCOMPARE(titleForm().List1[0].listIndex, 0);
  }

  // Down chooses scenario 2; Tab reaches the 君主名 list, where Space and Ctrl+Space toggle the
  // ruler under the cursor and Shift+Down takes the next one in; Enter opens the detail and
  // changes no choice.
  void rulersByKeyboard() {
    walk_.clear();
    while (titleForm().List1[0].listIndex < 1) press(Qt::Key_Down);
    QCOMPARE(titleForm().List1[0].listIndex, 1);
    QListWidget* rulers = titleList(1);
    QVERIFY(rulers->count() >= 3);
    QVERIFY(tabTo(rulers));
    rulers->scrollToTop();
    QCOMPARE(rulers->currentRow(), 0);
    press(Qt::Key_Space);
    QCOMPARE(selectedRows(titleForm().List1[1]), QList<int>{0});
    press(Qt::Key_Space);
    QCOMPARE(selectedRows(titleForm().List1[1]), QList<int>{});
    press(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(selectedRows(titleForm().List1[1]), (QList<int>{0, 1}));
    QCOMPARE(rulers->currentRow(), 1);
    press(Qt::Key_Down);
    press(Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(selectedRows(titleForm().List1[1]), (QList<int>{0, 1, 2}));
    press(Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(selectedRows(titleForm().List1[1]), (QList<int>{0, 1}));
    QVERIFY(walk_.windows.isEmpty());
    press(Qt::Key_Return);
    ScreenWindow* detail = Walk::window("FactionDetail");
    QVERIFY(detail != nullptr);
    QCOMPARE(selectedRows(titleForm().List1[1]), (QList<int>{0, 1}));
    // The detail is closed with Esc; the title takes the keyboard back.
    QVERIFY(Walk::activate(detail));
    press(Qt::Key_Escape);
    QTRY_VERIFY(Walk::window("FactionDetail") == nullptr);
    QVERIFY(Walk::activate(title()));
    first_ = rulers->item(0)->text();
    second_ = rulers->item(1)->text();
  }

  // Tab to 新規ゲーム, Enter; OK reached with Tab: the first player's turn on the main window.
  void newGameByKeyboard() {
    walk_.clear();
    walk_.answer({Walk::kOkByKeys, Qt::Key_Return});
    QVERIFY(tabTo(Walk::button(title(), "新規ゲーム")));
    press(Qt::Key_Return);
    QTRY_VERIFY(main() != nullptr);
    QCOMPARE(walk_.messages, (QStringList{second_ + "でゲームを開始しますか？", first_ + "の番です。"}));
    QVERIFY(QTest::qWaitForWindowExposed(main()));
    QVERIFY(Walk::activate(main()));
    QCOMPARE(mainForm().year(), 195);
  }

  // Each player chooses with arrows and Enter; the year's narration and the year-end report are
  // read with Enter; the second year begins with the first player's turn.
  void aYearByKeyboard() {
    chooseStrategy(first_, second_);
    bool narration = false;
    bool report = false;
    QVERIFY(Walk::activate(main()));
    chooseStrategy(second_, QString(), [&] {
      walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) { readWithEnter(w, &narration); });
      walk_.onWindow("ResolutionScreen", [&](ScreenWindow& w) { readWithEnter(w, &report); });
    });
    QVERIFY(narration);
    QVERIFY(report);
    QCOMPARE(walk_.stepsLeft(), 0);
    QCOMPARE(walk_.messages.back(), first_ + "の番です。");
    QCOMPARE(mainForm().year(), 196);
  }

  // Alt+F, S: the slot typed as digits, 決定 reached with Tab, OK by Tab and Enter; the slot's
  // files are there and hold the second year.
  void saveTheSecondYear() {
    walk_.onWindow("SaveLoadScreen", [this](ScreenWindow& w) {
      press(Qt::Key_4);
      press(Qt::Key_2);
      QVERIFY(tabTo(Walk::button(&w, "決定")));
      press(Qt::Key_Return);
    });
    walk_.clear();
    walk_.answer({Walk::kOkByKeys});
    QVERIFY(Walk::menuItem(main(), Qt::Key_F, Qt::Key_S));
    QCOMPARE(walk_.windows, QStringList{"SaveLoadScreen"});
    QCOMPARE(walk_.messages, QStringList{"save42でセーブしますか？"});
    const velkaro::SaveSlot slot(walk_.context().dir, "42");
    QVERIFY(slot.missingFiles().empty());
    const velkaro::SaveSlot::Contents saved = slot.inspect();
    QCOMPARE(static_cast<int>(saved.entries[0]), 196);
    QCOMPARE(QString::fromStdString(saved.players[0].name), first_);
    QCOMPARE(QString::fromStdString(saved.players[1].name), second_);
  }

  void cleanupTestCase() {
    qApp->removeEventFilter(&mouse_);
    QCOMPARE(mouse_.count, 0);
  }
};

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  velkaro::qt::AppLook::apply(app);
  Walk walk(sinceStart);
  KeyboardGameWalk test;
  return QTest::qExec(&test, argc, argv);
}

#include "KeyboardGameWalk.moc"
