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
  void answerNext(QMessageBox& box) {
    messages_ << box.text();
    const int key = answers_.isEmpty() ? Qt::Key_Return : answers_.takeFirst();
    QTimer::singleShot(0, &box, [&box, key] { QTest::keyClick(&box, static_cast<Qt::Key>(key)); });
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
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  GuiWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "GuiWalkTest.moc"
