// The history charts window on a display: a game played headless for a few years and saved is
// loaded through the title screen, and 情報 → 勢力推移 opens the charts over the loaded record.
#include <QAbstractSeries>
#include <QApplication>
#include <QChart>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QLabel>
#include <QLineSeries>
#include <filesystem>
#include <set>
#include <string>

#include "data/GameContext.h"
#include "data/HistoryRecord.h"
#include "game/GameScreens.h"
#include "qt/HistoryChartsView.h"
#include "qt/QtUi.h"
#include "qt/ScreenWindow.h"
#include "qt/Views.h"
#include "setup/TitleScreen.h"
#include "tools/sim/Simulation.h"
#include "ui/ScreenKind.h"

namespace fs = std::filesystem;
using velkaro::qt::ScreenWindow;

class HistoryChartsWalk : public QObject {
  Q_OBJECT

 private:
  fs::path dir_;
  std::unique_ptr<velkaro::GameContext> context_;
  velkaro::qt::QtUi ui_;
  QStringList messages_;

  static ScreenWindow* window(const char* screenName) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* sw = qobject_cast<ScreenWindow*>(w);
      if (sw != nullptr && sw->isVisible() && sw->screen().screenName() == screenName) return sw;
    }
    return nullptr;
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
  // Questions are answered yes (the load), notices with OK.
  void answer(QMessageBox& box) {
    messages_ << box.text();
    QTimer::singleShot(0, &box, [&box] {
      QAbstractButton* yes = box.button(QMessageBox::Yes);
      (yes != nullptr ? yes : box.button(QMessageBox::Ok))->click();
    });
  }
  static QAction* menuItem(QWidget* window, const QString& menu, const QString& item) {
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
      for (QAction* top : bar->actions()) {
        if (top->menu() == nullptr || !top->text().startsWith(menu)) continue;
        for (QAction* a : top->menu()->actions()) {
          if (a->text().startsWith(item)) return a;
        }
      }
    }
    return nullptr;
  }

 private slots:
  void initTestCase() {
    dir_ = fs::temp_directory_path() / ("velkaro-gui-history-" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(dir_);
    // Scenario 1 from 189 with faction 1 a player's, saved in slot 1 when 194 begins.
    velkaro::sim::Options o;
    o.dir = dir_.string();
    o.scenario = 1;
    o.seed = 7;
    o.players = {1};
    o.untilYear = 195;
    o.saveSlot = "1";
    o.shippedIni = VELKARO_SHIPPED_INI;
    velkaro::sim::Simulation(o).run();
    QVERIFY(fs::exists(dir_ / "save/suiisv1.ini"));
    context_ = std::make_unique<velkaro::GameContext>(velkaro::GamePaths(dir_));
    velkaro::qt::registerViews(ui_);
    ui_.setScreenMaker(velkaro::GameScreens::all());
    ui_.setMessageWatcher([this](QMessageBox& box) { answer(box); });
    ui_.showModeless(ui_.makeScreen(velkaro::ScreenKind::TitleScreen, *context_));
  }

  void cleanupTestCase() { fs::remove_all(dir_); }

  // 続きから with slot 1 brings the saved game and its record back.
  void loadTheSavedGame() {
    ScreenWindow* title = window("TitleScreen");
    QVERIFY(title != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(title));
    auto* form = static_cast<velkaro::TitleScreen*>(&title->screen());
    for (QLabel* splash : title->findChildren<QLabel*>()) {
      if (!splash->styleSheet().contains("qlineargradient")) continue;
      while (form->Picture1.visible) QTest::mouseClick(splash, Qt::LeftButton);
    }
    QVERIFY(!form->Picture1.visible);
    bool typed = false;
    QTimer::singleShot(200, this, [&] {
      ScreenWindow* slotScreen = window("SaveLoadScreen");
      if (slotScreen == nullptr) return;
      QTest::mouseClick(button(slotScreen, " 1"), Qt::LeftButton);
      QTest::mouseClick(button(slotScreen, "決定"), Qt::LeftButton);
      typed = true;
    });
    QTest::mouseClick(button(title, "続きから"), Qt::LeftButton);
    QVERIFY(typed);
    QTRY_VERIFY(window("MainScreen") != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window("MainScreen")));
  }

  // 情報 → 勢力推移: the caption, one line per recorded faction, the player's line marked; the
  // tabs switch the figure; Esc closes the window.
  void historyChartsFromTheInfoMenu() {
    ScreenWindow* main = window("MainScreen");
    QAction* item = menuItem(main, "情報", "勢力推移");
    QVERIFY(item != nullptr);
    const auto rows = velkaro::HistoryRecord::read(context_->dir);
    QVERIFY(!rows.empty());
    std::set<int> factions;
    for (const auto& r : rows) factions.insert(r.faction);
    QString caption;
    qsizetype lines = -1;
    int thick = 0;
    bool fitted = false;
    bool closed = false;
    QString scoreAxis;
    QTimer::singleShot(300, this, [&] {
      ScreenWindow* charts = window("HistoryCharts");
      if (charts == nullptr) return;
      caption = charts->windowTitle();
      fitted = charts->frameGeometry().width() <= 1280 && charts->frameGeometry().height() <= 800 - 30;
      auto* view = charts->findChild<velkaro::qt::HistoryChartsView*>();
      if (view == nullptr) return;
      lines = view->chart()->series().size();
      for (QAbstractSeries* s : view->chart()->series()) thick += s->name().endsWith("（プレイヤー）") ? 1 : 0;
      shot("history", charts);
      QTabBar* tabs = charts->findChild<QTabBar*>();
      QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
      scoreAxis = view->chart()->axes(Qt::Vertical).value(0)->titleText();
      QTest::qWait(100);  // the chart lays itself out anew on the next turn of the event loop
      shot("history-score", charts);
      QTest::keyClick(charts, Qt::Key_Escape);
      closed = window("HistoryCharts") == nullptr;
    });
    item->trigger();
    QCOMPARE(caption, QStringLiteral("勢力推移"));
    QVERIFY(fitted);
    QCOMPARE(lines, static_cast<qsizetype>(factions.size()));
    QCOMPARE(thick, 1);
    QCOMPARE(scoreAxis, QStringLiteral("得点"));
    QVERIFY(closed);
    QVERIFY(window("MainScreen") != nullptr);
  }

  // The tabs by keyboard: Tab reaches the tab bar, Right shows 名声 - the axis is named so and
  // each faction's line runs through its recorded fame.
  void tabsByKeyboard() {
    ScreenWindow* main = window("MainScreen");
    QAction* item = menuItem(main, "情報", "勢力推移");
    QVERIFY(item != nullptr);
    const auto rows = velkaro::HistoryRecord::read(context_->dir);
    int current = -1;
    QString axis;
    QStringList wrong;
    int checked = 0;
    QTimer::singleShot(300, this, [&] {
      ScreenWindow* charts = window("HistoryCharts");
      if (charts == nullptr) return;
      charts->activateWindow();
      if (!QTest::qWaitForWindowActive(charts)) return;
      auto* view = charts->findChild<velkaro::qt::HistoryChartsView*>();
      QTabBar* tabs = charts->findChild<QTabBar*>();
      for (int i = 0; i < 20 && QApplication::focusWidget() != tabs; ++i) {
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : charts, Qt::Key_Tab);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
      current = tabs->currentIndex();
      axis = view->chart()->axes(Qt::Vertical).value(0)->titleText();
      for (QAbstractSeries* s : view->chart()->series()) {
        auto* line = qobject_cast<QLineSeries*>(s);
        for (const QPointF& p : line->points()) {
          for (const auto& r : rows) {
            if (r.year != static_cast<int>(p.x()) || !s->name().startsWith(QString::fromStdString(r.name))) continue;
            ++checked;
            if (r.fame != static_cast<int>(p.y())) wrong << s->name();
          }
        }
      }
      QTest::keyClick(charts, Qt::Key_Escape);
    });
    item->trigger();
    QCOMPARE(current, 1);
    QCOMPARE(axis, QStringLiteral("名声"));
    QVERIFY(checked >= static_cast<int>(rows.size()));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    QTRY_VERIFY(window("HistoryCharts") == nullptr);
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  HistoryChartsWalk test;
  return QTest::qExec(&test, argc, argv);
}

#include "HistoryChartsWalk.moc"
