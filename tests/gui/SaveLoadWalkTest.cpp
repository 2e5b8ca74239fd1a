// Saving and loading on the real windows: a save to slot 3 told in the status line, a year
// played on, the load from the menu, 最初から and 続きから - and the game goes on at the saved year.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "Walk.h"
#include "qt/ScreenView.h"
#include "persistence/SaveLoadScreen.h"
#include "resolution/ResolutionScreen.h"
#include "turn/MainScreen.h"

using velkaro::qt::ScreenWindow;

class SaveLoadWalkTest : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();
  int savedYear_ = 0;

  static ScreenWindow* main() { return Walk::window("MainScreen"); }
  static velkaro::MainScreen& screen() { return static_cast<velkaro::MainScreen&>(main()->screen()); }

  // Slot 3 typed on the keyboard and confirmed with Enter; the digits show as they are typed.
  static void typeSlotThree(ScreenWindow& window, const char* picture) {
    auto& svld = static_cast<velkaro::SaveLoadScreen&>(window.screen());
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(window.view()));
    QTest::keyClick(window.focusWidget(), Qt::Key_3);
    QCOMPARE(QString::fromStdString(svld.Lab_num.caption), QStringLiteral("save3"));
    Walk::shot(picture, &window);
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
  }

  // Both players leave the year to the computer; the narration and the report are closed on their last page.
  void autoYear() {
    for (int i = 0; i < 2; ++i) {
      walk_.onWindow("ResolutionScreen", [](ScreenWindow& w) {
        QTest::keyClick(&w, Qt::Key_End);
        QTest::keyClick(&w, Qt::Key_Escape);
      });
    }
    walk_.answer({QMessageBox::Yes, Qt::Key_Return, QMessageBox::Yes, Qt::Key_Return});
    for (int i = 0; i < 2; ++i) QTest::mouseClick(Walk::button(main(), "Auto"), Qt::LeftButton);
  }

 private slots:
  // Ctrl+S, 3, Enter, OK: the slot is written and the status line says so; no box follows.
  void saveToSlotThree() {
    savedYear_ = screen().year();
    walk_.onWindow("SaveLoadScreen", [](ScreenWindow& w) {
      QString missing;
      QVERIFY2(Walk::everyButtonByTab(&w, &missing), qPrintable(missing));
      w.view()->setFocus();
      typeSlotThree(w, "save");
    });
    walk_.clear();
    walk_.answer({QMessageBox::Ok});
    walk_.timeUntilPainted("セーブ(Ctrl+S) → セーブ画面", "SaveLoadScreen");
    QVERIFY(Walk::activate(main()));
    QTest::keyClick(main(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(walk_.windows, QStringList{"SaveLoadScreen"});
    QCOMPARE(walk_.messages, QStringList{"save3でセーブしますか？"});
    QCOMPARE(main()->findChild<QStatusBar*>()->currentMessage(), QStringLiteral("スロット3にセーブしました。"));
    QVERIFY(walk_.context().saved);
  }

  // A year played on leaves the game unsaved.
  void anotherYearUnsaved() {
    walk_.clear();
    autoYear();
    QCOMPARE(walk_.windows, (QStringList{"ResolutionScreen", "ResolutionScreen"}));
    QCOMPARE(screen().year(), savedYear_ + 1);
    QVERIFY(!walk_.context().saved);
  }

  // Ctrl+L on the unsaved game asks first; the loaded year is drawn before its first turn is announced.
  void loadFromTheMenu() {
    walk_.onWindow("SaveLoadScreen", [](ScreenWindow& w) { typeSlotThree(w, "load"); });
    walk_.clear();
    walk_.answer({QMessageBox::Yes, QMessageBox::Ok, Qt::Key_Return});
    QVERIFY(Walk::activate(main()));
    QTest::keyClick(main(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(walk_.windows, QStringList{"SaveLoadScreen"});
    QCOMPARE(walk_.messages.size(), 3);
    QVERIFY2(walk_.messages[0].startsWith("セーブをしてませんがよろしいですか？"), qPrintable(walk_.messages[0]));
    QVERIFY2(walk_.messages[1].startsWith("save3シナリオ"), qPrintable(walk_.messages[1]));
    QVERIFY2(walk_.messages[1].contains(QString::number(savedYear_) + "年"), qPrintable(walk_.messages[1]));
    QVERIFY2(walk_.messages[2].endsWith("の番です。"), qPrintable(walk_.messages[2]));
    QVERIFY2(walk_.yearBehind[2].trimmed().startsWith(QString::number(savedYear_) + "年"), qPrintable(walk_.yearBehind[2]));
    QCOMPARE(screen().year(), savedYear_);
  }

  // 最初から from the file menu by keyboard: the title replaces the main window.
  void startOver() {
    walk_.clear();
    QVERIFY(Walk::menuItem(main(), Qt::Key_F, Qt::Key_N));
    QTRY_VERIFY(Walk::window("TitleScreen") != nullptr);
    QVERIFY(walk_.messages.isEmpty());  // the game was saved (loaded) just now
    QTRY_VERIFY(main() == nullptr);
  }

  // 続きから, 3, Enter, OK: the main window comes back at the saved year, announced over itself.
  void resumeFromTheTitle() {
    ScreenWindow* title = Walk::window("TitleScreen");
    QVERIFY(title != nullptr);
    walk_.onWindow("SaveLoadScreen", [](ScreenWindow& w) { typeSlotThree(w, "load"); });
    walk_.clear();
    walk_.answer({QMessageBox::Ok, Qt::Key_Return});
    QTest::mouseClick(Walk::button(title, "続きから"), Qt::LeftButton);
    QTRY_VERIFY(main() != nullptr);
    QCOMPARE(walk_.windows, (QStringList{"SaveLoadScreen", "MainScreen"}));
    QCOMPARE(walk_.messages.size(), 2);
    QVERIFY2(walk_.messages[1].endsWith("の番です。"), qPrintable(walk_.messages[1]));
    QCOMPARE(walk_.behind[1], QStringList{"MainScreen"});
    QCOMPARE(screen().year(), savedYear_);
    QTRY_VERIFY(Walk::window("TitleScreen") == nullptr);
  }

  // The resumed game goes on: a year passes from the saved one.
  void theGameGoesOn() {
    walk_.clear();
    autoYear();
    QCOMPARE(screen().year(), savedYear_ + 1);
    QVERIFY2(QString::fromStdString(screen().Lab_hlp.caption).trimmed().startsWith(QString::number(savedYear_ + 1) + "年"),
             screen().Lab_hlp.caption.c_str());
  }
};

int runSaveLoadWalk(int argc, char** argv) {
  SaveLoadWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "SaveLoadWalkTest.moc"
