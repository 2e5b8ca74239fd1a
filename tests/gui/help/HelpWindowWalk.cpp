// The player's manual on a display: F1 on the main screen opens it as the game installs it (the
// build's shipped/help beside this program), with its headings and pictures, inside a 1024×768
// screen; a manual that is not there is named in Japanese.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/GameContext.h"
#include "data/GameDirectorySetup.h"
#include "game/GameScreens.h"
#include "qt/AppLook.h"
#include "qt/HelpWindow.h"
#include "qt/QtUi.h"
#include "qt/ScreenWindow.h"
#include "qt/Views.h"
#include "setup/TitleScreen.h"
#include "tools/sim/Simulation.h"
#include "ui/ScreenKind.h"

namespace fs = std::filesystem;
using velkaro::qt::HelpWindow;
using velkaro::qt::ScreenWindow;

class HelpWindowWalk : public QObject {
  Q_OBJECT

 private:
  fs::path dir_;
  std::unique_ptr<velkaro::GameContext> context_;
  velkaro::qt::QtUi ui_;

  static ScreenWindow* window(const char* screenName) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* sw = qobject_cast<ScreenWindow*>(w);
      if (sw != nullptr && sw->isVisible() && sw->screen().screenName() == screenName) return sw;
    }
    return nullptr;
  }
  static QList<HelpWindow*> helpWindows() {
    QList<HelpWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* help = qobject_cast<HelpWindow*>(w); help != nullptr && help->isVisible()) found << help;
    }
    return found;
  }
  static QPushButton* button(QWidget* in, const QString& caption) {
    for (QPushButton* b : in->findChildren<QPushButton*>()) {
      if (b->text() == caption) return b;
    }
    return nullptr;
  }
  static void shot(const char* name, QWidget* w) {
    const QByteArray folder = qgetenv("VELKARO_SCREENSHOTS");
    if (folder.isEmpty()) return;
    fs::create_directories(folder.toStdString());
    w->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
  }
  static bool fitsSmallScreen(const QWidget* w) {
    return w->frameGeometry().width() <= 1024 && w->frameGeometry().height() <= 768;
  }

 private slots:
  void initTestCase() {
    dir_ = fs::temp_directory_path() / ("velkaro-gui-help-" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(dir_);
    // A saved game to load: scenario 2 with faction 1 a player's, saved in slot 1.
    velkaro::sim::Options o;
    o.dir = dir_.string();
    o.scenario = 2;
    o.seed = 3;
    o.players = {1};
    o.untilYear = 196;
    o.saveSlot = "1";
    o.shippedIni = VELKARO_SHIPPED_INI;
    velkaro::sim::Simulation(o).run();
    QVERIFY(fs::exists(dir_ / "save/save1.ini"));
    context_ = std::make_unique<velkaro::GameContext>(velkaro::GamePaths(dir_));
    velkaro::qt::registerViews(ui_);
    ui_.setScreenMaker(velkaro::GameScreens::all());
    ui_.setMessageWatcher([](QMessageBox& box) {
      QTimer::singleShot(0, &box, [&box] {
        QAbstractButton* yes = box.button(QMessageBox::Yes);
        (yes != nullptr ? yes : box.button(QMessageBox::Ok))->click();
      });
    });
    ui_.showModeless(ui_.makeScreen(velkaro::ScreenKind::TitleScreen, *context_));
    ScreenWindow* title = window("TitleScreen");
    QVERIFY(title != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(title));
    auto* form = static_cast<velkaro::TitleScreen*>(&title->screen());
    for (QLabel* splash : title->findChildren<QLabel*>()) {
      if (!splash->styleSheet().contains("qlineargradient")) continue;
      while (form->Picture1.visible) QTest::mouseClick(splash, Qt::LeftButton);
    }
    QTimer::singleShot(200, this, [this] {
      ScreenWindow* slotScreen = window("SaveLoadScreen");
      if (slotScreen == nullptr) return;
      QTest::mouseClick(button(slotScreen, " 1"), Qt::LeftButton);
      QTest::mouseClick(button(slotScreen, "決定"), Qt::LeftButton);
    });
    QTest::mouseClick(button(title, "続きから"), Qt::LeftButton);
    QTRY_VERIFY(window("MainScreen") != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window("MainScreen")));
  }

  void cleanupTestCase() {
    for (HelpWindow* help : helpWindows()) delete help;
    fs::remove_all(dir_);
  }

  // The menu offers ヘルプ → 遊び方 with F1, and F1 on the main window opens the manual the
  // build ships: its title and chapters as text, its pictures drawn, the whole window on a
  // 1024×768 screen. F1 again raises the same window; Esc closes it and the game stays.
  void f1OpensTheManual() {
    ScreenWindow* main = window("MainScreen");
    QAction* item = nullptr;
    for (QAction* top : main->findChild<QMenuBar*>()->actions()) {
      if (top->menu() == nullptr || !top->text().startsWith(QStringLiteral("ヘルプ"))) continue;
      for (QAction* a : top->menu()->actions()) item = a->text().startsWith(QStringLiteral("遊び方")) ? a : item;
    }
    QVERIFY(item != nullptr);
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));

    QVERIFY(helpWindows().isEmpty());
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F1);
    QTRY_COMPARE(helpWindows().size(), 1);
    HelpWindow* help = helpWindows().front();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->windowTitle(), QStringLiteral("遊び方"));
    const QString text = help->browser()->toPlainText();
    QVERIFY2(text.startsWith(QStringLiteral("Velkaro・Ostrel 遊び方")), qPrintable(text.left(80)));
    for (const char* heading : {"メイン画面", "水色のリスト", "セーブとロード", "キーボードでの操作", "付属のツール"}) {
      QVERIFY2(text.contains(QString::fromUtf8(heading)), heading);
    }
    // The picture of the main screen comes from the manual's own folder, scaled to the window.
    const QVariant picture = help->browser()->document()->resource(QTextDocument::ImageResource,
                                                                   QUrl(QStringLiteral("screens/main.png")));
    QVERIFY(picture.isValid());
    int drawnWidth = 0;
    for (QTextBlock block = help->browser()->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat format = it.fragment().charFormat();
        if (format.isImageFormat() && format.toImageFormat().name() == QStringLiteral("screens/main.png")) {
          drawnWidth = static_cast<int>(format.toImageFormat().width());
        }
      }
    }
    // Large enough to read, narrower than the text beside it.
    QVERIFY2(drawnWidth >= 400 && drawnWidth <= help->browser()->viewport()->width(), qPrintable(QString::number(drawnWidth)));
    QVERIFY(fitsSmallScreen(help));
    shot("help", help);
    QVERIFY(!help->browser()->horizontalScrollBar()->isVisible());

    QTest::keyClick(main, Qt::Key_F1);
    QCOMPARE(helpWindows().size(), 1);

    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(helpWindows().isEmpty());
    QVERIFY(window("MainScreen") != nullptr);
  }

  // A manual that is not where the game looks: the window names the file and says so.
  void aMissingManualIsNamed() {
    const fs::path missing = dir_ / "nowhere" / "help" / "manual-ja.md";
    HelpWindow help(missing);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    const QString text = help.browser()->toPlainText();
    QVERIFY2(text.contains(QString::fromStdString(missing.string())), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("見つかりません")), qPrintable(text));
    QVERIFY(fitsSmallScreen(&help));
  }

  // The installed layout (bin beside share/velkaro) is looked at before a build's shipped
  // folder; with neither, the installed place is the one named.
  void theInstalledManualIsFoundBesideTheProgram() {
    const fs::path prefix = dir_ / "prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "bin" / "shipped" / "help");
    std::ofstream(prefix / "bin" / "shipped" / "help" / "manual-ja.md") << "# build\n";
    QCOMPARE(HelpWindow::installedManual(prefix / "bin"), prefix / "bin" / "shipped" / "help" / "manual-ja.md");
    fs::create_directories(prefix / "share" / "velkaro" / "help");
    std::ofstream(prefix / "share" / "velkaro" / "help" / "manual-ja.md") << "# installed\n";
    QCOMPARE(HelpWindow::installedManual(prefix / "bin").lexically_normal(),
             (prefix / "share" / "velkaro" / "help" / "manual-ja.md").lexically_normal());
    const fs::path bare = dir_ / "bare" / "bin";
    fs::create_directories(bare);
    QCOMPARE(HelpWindow::installedManual(bare).lexically_normal(),
             (dir_ / "bare" / "share" / "velkaro" / "help" / "manual-ja.md").lexically_normal());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velkaro::qt::AppLook::apply(app);
  HelpWindowWalk test;
  return QTest::qExec(&test, argc, argv);
}

#include "HelpWindowWalk.moc"
