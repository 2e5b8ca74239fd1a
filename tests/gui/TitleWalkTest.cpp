// The title screen as a player first meets it: the splash, scenario 2 by mouse, two rulers,
// and 新規ゲーム with its question, up to the first player's turn on the main window.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "Walk.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"
#include "ui/Ui.h"

using velkaro::qt::ScreenWindow;

class TitleWalkTest : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();

  static velkaro::TitleScreen& form(ScreenWindow* title) { return static_cast<velkaro::TitleScreen&>(title->screen()); }
  static QListWidget* list(int i) { return Walk::window("TitleScreen")->findChildren<QListWidget*>()[i]; }

 private slots:
  // The splash gives way to the lists; Esc does not end the program; no button is a default one.
  void splashAndKeys() {
    ScreenWindow* title = Walk::window("TitleScreen");
    QVERIFY(title != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(title));
    QCOMPARE(title->windowTitle(), QString::fromUtf8(velkaro::kGameTitle));
    QLabel* splash = nullptr;
    for (QLabel* l : title->findChildren<QLabel*>()) {
      if (l->styleSheet().contains("qlineargradient")) splash = l;
    }
    QVERIFY(splash != nullptr);
    Walk::shot("title-splash", title);
    while (form(title).Picture1.visible) QTest::mouseClick(splash, Qt::LeftButton);
    QVERIFY(!splash->isVisible());
    QTest::keyClick(title, Qt::Key_Escape);
    QVERIFY2(title->isVisible(), "Esc on the title must not end the program");
    for (QPushButton* b : title->findChildren<QPushButton*>()) {
      QVERIFY2(!b->autoDefault() && !b->isDefault(), qPrintable(b->text()));
    }
    QStringList captions;
    for (QPushButton* b : title->findChildren<QPushButton*>()) captions << b->text();
    QCOMPARE(captions, (QStringList{"新規ゲーム", "続きから", "武将初期化", "終了"}));
    QString missing;
    QVERIFY2(Walk::everyButtonByTab(title, &missing), qPrintable(missing));
  }

  // Scenario 2 by mouse fills the 君主名 list; clicking it again shows its description again.
  void chooseScenarioTwo() {
    ScreenWindow* title = Walk::window("TitleScreen");
    QListWidget* scenarios = list(0);
    QVERIFY(scenarios->count() >= 2);
    QVERIFY2(scenarios->item(1)->text().startsWith("シナリオ２"), qPrintable(scenarios->item(1)->text()));
    const QRect second = scenarios->visualItemRect(scenarios->item(1));
    QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(form(title).List1[0].listIndex, 1);
    QVERIFY(list(1)->count() >= 2);
    const QString description = QString::fromStdString(form(title).Lab_txt.caption);
    QVERIFY(!description.isEmpty());
    form(title).List1_MouseMove(1);
    QTest::mouseClick(scenarios->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(QString::fromStdString(form(title).Lab_txt.caption), description);
    QVERIFY(walk_.messages.isEmpty());
    Walk::shot("title", title);
  }

  // Enter on a ruler explains it; it never reaches 新規ゲーム's question.
  void enterOnRulerAsksNothing() {
    QListWidget* rulers = list(1);
    rulers->setFocus();
    rulers->setCurrentRow(0);
    walk_.clear();
    QTest::keyClick(rulers, Qt::Key_Return);
    QVERIFY(walk_.messages.isEmpty());
    QVERIFY(Walk::window("MainScreen") == nullptr);
  }

  // Two rulers chosen by mouse; a stray Enter on 新規ゲーム's question cancels.
  void twoRulersAndACancelledQuestion() {
    ScreenWindow* title = Walk::window("TitleScreen");
    QListWidget* rulers = list(1);
    rulers->clearSelection();
    for (int row : {0, 1}) {
      QTest::mouseClick(rulers->viewport(), Qt::LeftButton, {}, rulers->visualItemRect(rulers->item(row)).center());
    }
    QCOMPARE(rulers->selectedItems().size(), 2);
    // The clicked ruler's 「○○軍の内情」 stands beside the list, not over it.
    ScreenWindow* detail = Walk::window("FactionDetail");
    QVERIFY(detail != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(detail));
    const QRect listRect(rulers->mapToGlobal(QPoint(0, 0)), rulers->size());
    QVERIFY2(!detail->frameGeometry().intersects(listRect),
             qPrintable(QString("the detail %1,%2 %3x%4 (least %5) covers the 君主名 list at x %6").arg(detail->x()).arg(detail->y()).arg(detail->width()).arg(detail->height()).arg(detail->minimumSizeHint().width()).arg(listRect.x())));
    Walk::shot("title-detail", detail);
    QVERIFY(form(title).List1[1].selected(0) && form(title).List1[1].selected(1));
    walk_.clear();
    walk_.answer({Qt::Key_Return});
    walk_.timeUntilPainted("新規ゲーム → 確認", "QMessageBox");
    QTest::mouseClick(Walk::button(title, "新規ゲーム"), Qt::LeftButton);
    QCOMPARE(walk_.messages, QStringList{rulers->item(1)->text() + "でゲームを開始しますか？"});
    QVERIFY2(Walk::window("MainScreen") == nullptr, "Enter on the question must cancel");
  }

  // A deliberate OK starts the game; the first player is named on the main window, not over
  // the title.
  void newGameStarts() {
    ScreenWindow* title = Walk::window("TitleScreen");
    const QString first = list(1)->item(0)->text();
    walk_.clear();
    walk_.answer({QMessageBox::Ok, Qt::Key_Return});
    walk_.timeFromNextAnswer("新規ゲーム(OK) → 主画面", "MainScreen");
    QTest::mouseClick(Walk::button(title, "新規ゲーム"), Qt::LeftButton);
    QTRY_VERIFY(Walk::window("MainScreen") != nullptr);
    QCOMPARE(walk_.messages.size(), 2);
    QCOMPARE(walk_.messages[1], first + "の番です。");
    QCOMPARE(walk_.behind[1], QStringList{"MainScreen"});
    QCOMPARE(walk_.windows, QStringList{"MainScreen"});
    ScreenWindow* main = Walk::window("MainScreen");
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QVERIFY2(main->frameGeometry().height() <= 768 - 30, "the main window fits a 1366x768 screen");
    QVERIFY(Walk::window("TitleScreen") == nullptr);
    auto& screen = static_cast<velkaro::MainScreen&>(main->screen());
    QCOMPARE(screen.year(), 195);
    QVERIFY2(QString::fromStdString(screen.Label6.caption).contains(first), screen.Label6.caption.c_str());
    Walk::shot("main", main);
  }
};

int runTitleWalk(int argc, char** argv) {
  TitleWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TitleWalkTest.moc"
