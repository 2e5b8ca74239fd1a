// The first year on the main window: the first player's strategy through its explanation, by
// keyboard and by mouse; the second player's Auto; the year's narration paged to its end; the
// year-end report; the next year's first turn.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "Walk.h"
#include "resolution/ResolutionScreen.h"
#include "screens/StrategyExplanation.h"
#include "turn/MainScreen.h"
#include "ui/Ui.h"

using velkaro::qt::ScreenWindow;

class TurnWalkTest : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();
  QString first_;
  QString second_;

  static ScreenWindow* main() { return Walk::window("MainScreen"); }
  static velkaro::MainScreen& screen() { return static_cast<velkaro::MainScreen&>(main()->screen()); }
  static QListWidget* menu() { return main()->findChildren<QListWidget*>()[2 * screen().currentPanel() + 1]; }
  static QString caption(const velkaro::Label& label) { return QString::fromStdString(label.caption); }

  // The year's narration: opened on its first page, PageDown reads each page to its foot and
  // then turns it, End and PageUp as named, 閉 only on the last page; Esc closes it there.
  void pageThrough(ScreenWindow& window, const char* picture) {
    auto& msg = static_cast<velkaro::ResolutionScreen&>(window.screen());
    QCOMPARE(window.windowTitle(), QString::fromUtf8(velkaro::kGameTitle));
    QCOMPARE(msg.currentPage(), 0);
    QVERIFY(!Walk::button(&window, "前ページ")->isEnabled());
    Walk::shot(picture, &window);
    const int pages = msg.pageCount();
    QVERIFY(pages >= 1);
    QScrollBar* bar = window.findChild<QScrollArea*>()->verticalScrollBar();
    for (int page = 1; page < pages; ++page) {
      if (page == 1) walk_.timeUntilPainted("次ページ → 次の頁", "ResolutionScreen");
      // A page taller than the window is shown to its foot before PageDown turns it.
      for (int key = 0; key < 100 && msg.currentPage() == page - 1; ++key) {
        const bool atFoot = bar->value() >= bar->maximum();
        QTest::keyClick(&window, Qt::Key_PageDown);
        QVERIFY2(msg.currentPage() == page - 1 || atFoot, qPrintable(QString("page %1 turned at %2 of %3").arg(page - 1).arg(bar->value()).arg(bar->maximum())));
      }
      walk_.settle();
      QCOMPARE(msg.currentPage(), page);
    }
    QVERIFY(!Walk::button(&window, "次ページ")->isEnabled());
    if (pages > 1) {
      QTest::keyClick(&window, Qt::Key_PageUp);
      QCOMPARE(msg.currentPage(), pages - 2);
      QTest::keyClick(&window, Qt::Key_End);
      QCOMPARE(msg.currentPage(), pages - 1);
    }
    QVERIFY(Walk::button(&window, "閉")->isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(msg.closed);
  }

  // The year-end report read with Enter alone: each Enter turns one page, the last one closes.
  void readWithEnter(ScreenWindow& window) {
    auto& msg = static_cast<velkaro::ResolutionScreen&>(window.screen());
    Walk::shot("year-end", &window);
    const int pages = msg.pageCount();
    for (int page = 1; page < pages; ++page) {
      QTest::keyClick(&window, Qt::Key_Return);
      QCOMPARE(msg.currentPage(), page);
      QVERIFY(!msg.closed);
    }
    QTest::keyClick(&window, Qt::Key_Return);
    QVERIFY(msg.closed);
  }

 private slots:
  void initTestCase() {
    QVERIFY(main() != nullptr);
    QListWidget* players = main()->findChildren<QListWidget*>().back();
    QCOMPARE(players->count(), 2);
    first_ = players->item(0)->text();
    second_ = players->item(1)->text();
  }

  // Esc on the main window asks nothing; Auto is no default button; the panels name the year.
  void mainWindowKeys() {
    walk_.clear();
    QTest::keyClick(main(), Qt::Key_Escape);
    QVERIFY(walk_.messages.isEmpty());
    QVERIFY(main()->isVisible());
    QPushButton* autoButton = Walk::button(main(), "Auto");
    QVERIFY(autoButton != nullptr);
    QVERIFY(!autoButton->autoDefault() && !autoButton->isDefault());
    QVERIFY2(caption(screen().Lab_hlp).trimmed().startsWith("195年の戦況"), screen().Lab_hlp.caption.c_str());
    QVERIFY(menu()->count() > 0);
  }

  // Enter on a strategy line opens its explanation once, the keyboard on 決定; Enter there asks
  // whether to carry it out, and a stray Enter on that question keeps the turn.
  void strategyByKeyboardStrayEnterKeepsTurn() {
    QString focused;
    walk_.onWindow("StrategyExplanation", [&](ScreenWindow& explanation) {
      Walk::shot("explanation", &explanation);
      auto* focus = qobject_cast<QPushButton*>(explanation.focusWidget());
      focused = focus != nullptr ? focus->text() : QString();
      QTest::keyClick(explanation.focusWidget(), Qt::Key_Return);
    });
    walk_.clear();
    walk_.answer({Qt::Key_Return});
    walk_.timeUntilPainted("戦略の行で Enter → 戦略説明", "StrategyExplanation");
    menu()->setFocus();
    menu()->setCurrentRow(0);
    QTest::keyClick(menu(), Qt::Key_Return);
    QCOMPARE(walk_.windows, QStringList{"StrategyExplanation"});
    QCOMPARE(focused, QStringLiteral("決定"));
    QCOMPARE(walk_.messages.size(), 1);
    QVERIFY2(walk_.messages[0].endsWith("を行いますか？"), qPrintable(walk_.messages[0]));
    QVERIFY(caption(screen().Label6).contains(first_));
    QVERIFY2(menu()->selectedItems().isEmpty(), "the line is not left highlighted for the next player");
  }

  // Every button of the explanation is reached with Tab; Tab to 戻る and Enter goes back,
  // asking nothing, though 決定 is the window's default.
  void explanationTabAndEnterGoBack() {
    QString missing = "?";
    bool back = false;
    walk_.onWindow("StrategyExplanation", [&](ScreenWindow& explanation) {
      QVERIFY2(Walk::everyButtonByTab(&explanation, &missing), qPrintable(missing));
      missing.clear();
      QPushButton* backButton = Walk::button(&explanation, "戻る");
      for (int i = 0; i < 20 && explanation.focusWidget() != backButton; ++i) QTest::keyClick(explanation.focusWidget(), Qt::Key_Tab);
      QTest::keyClick(backButton, Qt::Key_Return);
      back = explanation.screen().closed;
    });
    walk_.clear();
    QTest::mouseClick(menu()->viewport(), Qt::LeftButton, {}, menu()->visualItemRect(menu()->item(0)).center());
    QVERIFY(missing.isEmpty());
    QVERIFY(back);
    QCOMPARE(walk_.windows, QStringList{"StrategyExplanation"});
    QVERIFY(walk_.messages.isEmpty());
  }

  // The explanation is placed beside the menu it was opened from, not over it.
  void explanationLeavesTheMenuInSight() {
    QRect menuRect(menu()->mapToGlobal(QPoint(0, 0)), menu()->size());
    QRect shown;
    walk_.onWindow("StrategyExplanation", [&](ScreenWindow& explanation) {
      shown = explanation.frameGeometry();
      QTest::keyClick(&explanation, Qt::Key_Escape);
    });
    QTest::mouseClick(menu()->viewport(), Qt::LeftButton, {}, menu()->visualItemRect(menu()->item(0)).center());
    QVERIFY(shown.isValid());
    QVERIFY2(!shown.intersects(menuRect), "the explanation covers the menu it was opened from");
  }

  // By mouse: a line, 決定, はい (reached with Tab) - the turn passes to the second player.
  void firstPlayerConfirmsByMouse() {
    QString heading;
    walk_.onWindow("StrategyExplanation", [&](ScreenWindow& explanation) {
      heading = QString::fromStdString(static_cast<velkaro::StrategyExplanation&>(explanation.screen()).Label1.caption)
                    .replace("\r\n", "\n");
      QTest::mouseClick(Walk::button(&explanation, "決定"), Qt::LeftButton);
    });
    walk_.clear();
    walk_.answer({Walk::kYesByKeys, Qt::Key_Return});
    QTest::mouseClick(menu()->viewport(), Qt::LeftButton, {}, menu()->visualItemRect(menu()->item(0)).center());
    QCOMPARE(walk_.windows, QStringList{"StrategyExplanation"});
    QCOMPARE(walk_.messages.size(), 2);
    QCOMPARE(walk_.messages[0], heading + "を行いますか？");
    QCOMPARE(walk_.messages[1], second_ + "の番です。");
    QVERIFY(caption(screen().Label6).contains(second_));
    QVERIFY(menu()->selectedItems().isEmpty());
  }

  // The second player's Auto: the narration, paged to its end and closed; the year-end report;
  // then the next year, whose first turn is the first player's.
  void secondPlayerAutoEndsTheYear() {
    walk_.onWindow("ResolutionScreen", [this](ScreenWindow& w) { pageThrough(w, "resolution"); });
    walk_.onWindow("ResolutionScreen", [this](ScreenWindow& w) { readWithEnter(w); });
    walk_.clear();
    walk_.answer({QMessageBox::Yes, Qt::Key_Return});
    walk_.timeFromNextAnswer("Auto(はい) → 決算画面", "ResolutionScreen");
    QTest::mouseClick(Walk::button(main(), "Auto"), Qt::LeftButton);
    QCOMPARE(walk_.stepsLeft(), 0);
    QCOMPARE(walk_.windows, (QStringList{"ResolutionScreen", "ResolutionScreen"}));
    QCOMPARE(walk_.messages.front(), second_ + "の行動をコンピュータに任せますか？");
    QCOMPARE(walk_.messages.back(), first_ + "の番です。");
    QCOMPARE(screen().year(), 196);
    QVERIFY2(caption(screen().Lab_hlp).trimmed().startsWith("196年の戦況"), screen().Lab_hlp.caption.c_str());
    QVERIFY(caption(screen().Label6).contains(first_));
    QVERIFY(menu()->count() > 0);
  }
};

int runTurnWalk(int argc, char** argv) {
  TurnWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TurnWalkTest.moc"
