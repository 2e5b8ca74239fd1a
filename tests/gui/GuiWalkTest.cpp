// End-to-end tests of the game's windows: the real views on a display, driven by mouse and
// keyboard as a player drives them. Every message box is recorded and answered from a timer.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

#include "data/GameContext.h"
#include "game/GameScreens.h"
#include "qt/QtUi.h"
#include "qt/ScreenWindow.h"
#include "qt/Views.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"
#include "ui/ScreenKind.h"

namespace fs = std::filesystem;
using velkaro::qt::ScreenWindow;

class GuiWalkTest : public QObject {
  Q_OBJECT

 private:
  fs::path dir_;
  std::unique_ptr<velkaro::GameContext> context_;
  velkaro::qt::QtUi ui_;
  QStringList messages_;
  // How the next message boxes are answered: by a key press into the box, Enter when empty.
  QList<int> answers_;

  ScreenWindow* window(const char* screenName) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* sw = qobject_cast<ScreenWindow*>(w);
      if (sw != nullptr && sw->isVisible() && sw->screen().screenName() == screenName) return sw;
    }
    return nullptr;
  }
  QPushButton* button(QWidget* in, const QString& caption) {
    for (QPushButton* b : in->findChildren<QPushButton*>()) {
      if (b->text() == caption) return b;
    }
    return nullptr;
  }
  // With VELKARO_SCREENSHOTS set, each window the walk reaches is saved there as a picture.
  static void shot(const char* name, QWidget* w) {
    const QByteArray folder = qgetenv("VELKARO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    fs::create_directories(folder.toStdString());
    w->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
  }
  void answerNext(QMessageBox& box) {
    messages_ << box.text();
    // An answer is a key pressed into the box or, for the smaller numbers, a button clicked.
    const int answer = answers_.isEmpty() ? Qt::Key_Return : answers_.takeFirst();
    QTimer::singleShot(0, &box, [&box, answer] {
      if (answer >= Qt::Key_Escape) {
        QTest::keyClick(&box, static_cast<Qt::Key>(answer));
      } else {
        box.button(static_cast<QMessageBox::StandardButton>(answer))->click();
      }
    });
  }

 private slots:
  void initTestCase() {
    dir_ = fs::temp_directory_path() / ("velkaro-gui-" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(VELKARO_SHIPPED_INI, dir_ / "ini", fs::copy_options::recursive);
    context_ = std::make_unique<velkaro::GameContext>(velkaro::GameDir(dir_));
    velkaro::qt::registerViews(ui_);
    ui_.setScreenMaker(velkaro::GameScreens::all());
    ui_.setMessageWatcher([this](QMessageBox& box) { answerNext(box); });
    ui_.showModeless(ui_.makeScreen(velkaro::ScreenKind::TitleScreen, *context_));
  }

  void cleanupTestCase() { fs::remove_all(dir_); }

  // The title: the splash gives way to the lists; Esc does not end the program; the buttons
  // are never pressed by an Enter meant for a list.
  void titleScreen() {
    ScreenWindow* title = window("TitleScreen");
    QVERIFY(title != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(title));
    QCOMPARE(title->windowTitle(), QString::fromUtf8(velkaro::kGameTitle));
    auto* form = static_cast<velkaro::TitleScreen*>(&title->screen());
    QLabel* splash = nullptr;
    for (QLabel* l : title->findChildren<QLabel*>()) {
      if (l->styleSheet().contains("qlineargradient")) splash = l;
    }
    QVERIFY(splash != nullptr);
    while (form->Picture1.visible) QTest::mouseClick(splash, Qt::LeftButton);
    QVERIFY(!splash->isVisible());
    shot("title", title);

    QTest::keyClick(title, Qt::Key_Escape);
    QVERIFY2(title->isVisible(), "Esc on the title must not end the program");
    for (QPushButton* b : title->findChildren<QPushButton*>()) {
      QVERIFY2(!b->autoDefault() && !b->isDefault(), qPrintable(b->text()));
    }
    QVERIFY(button(title, "新規ゲーム") != nullptr);
    QVERIFY(button(title, "続きから") != nullptr);
  }

  // Choosing scenario 2 by mouse fills the 君主名 list; clicking it again chooses it once more.
  void chooseScenario() {
    ScreenWindow* title = window("TitleScreen");
    auto* form = static_cast<velkaro::TitleScreen*>(&title->screen());
    const auto lists = title->findChildren<QListWidget*>();
    QCOMPARE(lists.size(), 2);
    QListWidget* scenarios = lists[0];
    QListWidget* rulers = lists[1];
    QVERIFY(scenarios->count() >= 2);
    const QRect second = scenarios->visualItemRect(scenarios->item(1));
    QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(form->List1[0].listIndex, 1);
    QVERIFY(rulers->count() > 0);
    const QString description = QString::fromStdString(form->Lab_txt.caption);
    QVERIFY(!description.isEmpty());
    // Hovering a ruler shows that ruler's text; a second click brings the scenario back.
    form->List1_MouseMove(1);
    QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(QString::fromStdString(form->Lab_txt.caption), description);
    QVERIFY(messages_.isEmpty());
  }

  // Enter on a ruler selects and explains it; it never reaches 新規ゲーム's question.
  void enterOnRulerAsksNothing() {
    ScreenWindow* title = window("TitleScreen");
    QListWidget* rulers = title->findChildren<QListWidget*>()[1];
    rulers->setFocus();
    rulers->setCurrentRow(0);
    QTest::keyClick(rulers, Qt::Key_Return);
    for (const QString& m : messages_) QVERIFY2(!m.contains("ゲームを開始しますか"), qPrintable(m));
    QVERIFY(window("MainScreen") == nullptr);
  }

  // 新規ゲーム asks before it starts; the question's default is the safe answer, so a stray
  // Enter cancels, and only a deliberate yes starts the game.
  void newGameQuestionDefaultsToCancel() {
    ScreenWindow* title = window("TitleScreen");
    QListWidget* rulers = title->findChildren<QListWidget*>()[1];
    rulers->clearSelection();
    rulers->item(0)->setSelected(true);
    rulers->item(1)->setSelected(true);
    messages_.clear();
    answers_ = {Qt::Key_Return};
    QTest::mouseClick(button(title, "新規ゲーム"), Qt::LeftButton);
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].endsWith("でゲームを開始しますか？"), qPrintable(messages_[0]));
    QVERIFY2(window("MainScreen") == nullptr, "Enter on the question must cancel");
  }

  // A deliberate OK starts the game; its first message names the first player.
  void newGameStarts() {
    ScreenWindow* title = window("TitleScreen");
    messages_.clear();
    answers_ = {QMessageBox::Ok, Qt::Key_Return};
    QTest::mouseClick(button(title, "新規ゲーム"), Qt::LeftButton);
    QTRY_VERIFY(window("MainScreen") != nullptr);
    QCOMPARE(messages_.size(), 2);
    QVERIFY2(messages_[1].endsWith("の番です。"), qPrintable(messages_[1]));
    ScreenWindow* main = window("MainScreen");
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QVERIFY2(main->frameGeometry().height() <= 768 - 30, "the main window fits a 1366x768 screen");
    QVERIFY(window("TitleScreen") == nullptr);
    shot("main", main);
  }

  // Esc on the main window asks nothing; Auto is no default button.
  void mainWindowKeys() {
    ScreenWindow* main = window("MainScreen");
    messages_.clear();
    QTest::keyClick(main, Qt::Key_Escape);
    QVERIFY(messages_.isEmpty());
    QVERIFY(main->isVisible());
    QPushButton* autoButton = button(main, "Auto");
    QVERIFY(autoButton != nullptr);
    QVERIFY(!autoButton->autoDefault() && !autoButton->isDefault());
  }

  // Enter on a strategy line opens its explanation once, with the focus on 決定; 決定 asks
  // whether to carry it out, and a stray Enter on that question keeps the turn. Nothing is left
  // over for the main window: no Auto question follows.
  void strategyByKeyboard() {
    ScreenWindow* main = window("MainScreen");
    auto* screen = static_cast<velkaro::MainScreen*>(&main->screen());
    const int panel = screen->currentPanel();
    QVERIFY(panel >= 0);
    QListWidget* menu = main->findChildren<QListWidget*>()[2 * panel + 1];
    QVERIFY(menu->count() > 0);
    const QString player = QString::fromStdString(screen->Label6.caption);
    int explanations = 0;
    QString focused;
    QTimer::singleShot(200, this, [&] {
      ScreenWindow* explanation = window("StrategyExplanation");
      if (explanation == nullptr) return;
      ++explanations;
      shot("explanation", explanation);
      auto* focus = qobject_cast<QPushButton*>(QApplication::focusWidget());
      focused = focus != nullptr ? focus->text() : QString();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    messages_.clear();
    answers_ = {Qt::Key_Return};
    menu->setFocus();
    menu->setCurrentRow(0);
    QTest::keyClick(menu, Qt::Key_Return);
    QCOMPARE(explanations, 1);
    QCOMPARE(focused, QStringLiteral("決定"));
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].endsWith("を行いますか？"), qPrintable(messages_[0]));
    QCOMPARE(QString::fromStdString(screen->Label6.caption), player);
    QVERIFY2(menu->selectedItems().isEmpty(), "the line is not left highlighted for the next player");
  }

  // Esc on the explanation goes back (戻る) and asks nothing.
  void explanationEscGoesBack() {
    ScreenWindow* main = window("MainScreen");
    auto* screen = static_cast<velkaro::MainScreen*>(&main->screen());
    QListWidget* menu = main->findChildren<QListWidget*>()[2 * screen->currentPanel() + 1];
    bool closed = false;
    QTimer::singleShot(200, this, [&] {
      ScreenWindow* explanation = window("StrategyExplanation");
      if (explanation == nullptr) return;
      QTest::keyClick(explanation, Qt::Key_Escape);
      closed = window("StrategyExplanation") == nullptr;
    });
    messages_.clear();
    const QRect first = menu->visualItemRect(menu->item(0));
    QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, first.center());
    QVERIFY(closed);
    QVERIFY(messages_.isEmpty());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GuiWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "GuiWalkTest.moc"
