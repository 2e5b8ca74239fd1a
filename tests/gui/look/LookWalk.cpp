// What the player sees on the screen, read from the display: the light-blue strategy list of
// the player whose turn it is through a two-player year, nothing left selected for the next
// player, a destroyed faction's grey in 各軍閥所属部将, and every window the game opens whole on
// the screen it runs on (the runner starts it at 1024×768, 1280×800 and 1280×800 at scale 1.25).
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "ScreenFit.h"
#include "Walk.h"
#include "data/FactionTable.h"
#include "data/StateFiles.h"
#include "qt/AppLook.h"
#include "screens/FactionOfficerLists.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"
#include "ui/Controls.h"

using velkaro::qt::ScreenWindow;

class LookWalk : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();
  QStringList misfits_;
  QStringList checked_;

  static ScreenWindow* main() { return Walk::window("MainScreen"); }
  static velkaro::MainScreen& screen() { return static_cast<velkaro::MainScreen&>(main()->screen()); }
  static QList<QListWidget*> lists() { return main()->findChildren<QListWidget*>(); }
  static QListWidget* menu(int panel) { return lists()[2 * panel + 1]; }
  static QRgb rgb(const QColor& c) { return c.rgb() & 0xFFFFFFu; }
  static void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  // Notes how the window fits; the last test reports every window that did not.
  void fits(QWidget* window, const QString& name) {
    // The window manager's frame arrives a moment after the window is mapped.
    for (int i = 0; i < 20 && window->frameGeometry() == window->geometry(); ++i) QTest::qWait(25);
    checked_ << name;
    for (const QString& misfit : ScreenFit::misfits(window)) misfits_ << name + ": " + misfit;
  }

  // The current player's strategy list light blue and only that one; no line of any list left
  // selected or under the cursor from the player before.
  void turnShown(const char* when, const char* picture) {
    ScreenWindow* w = main();
    QVERIFY(w != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::qWait(100);
    Walk::shot(picture, w);
    const int current = screen().currentPanel();
    QVERIFY2(current >= 0, when);
    QStringList wrong;
    for (QListWidget* list : lists()) {
      if (!list->selectedItems().isEmpty()) wrong << QString("「%1」 still selected").arg(list->selectedItems().value(0)->text());
      // A focused list may put its cursor on the first line; never on a line the player before chose.
      if (list->currentRow() > 0) wrong << QString("the cursor stays on 「%1」").arg(list->currentItem()->text());
    }
    for (int k = 0; k < velkaro::kPanels; ++k) {
      const QRgb drawn = rgb(ScreenFit::dominantColour(menu(k)->viewport()));
      const QString where = QString("panel %1 is #%2").arg(k).arg(drawn, 6, 16, QChar('0'));
      if (k == current && drawn != velkaro::kLightBlue) wrong << where + ", but it is this player's (light blue)";
      if (k != current && drawn == velkaro::kLightBlue) wrong << where + ", but it is not this player's";
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(QString(when) + ": " + wrong.join("; ")));
  }

 private slots:
  void initTestCase() {
    ScreenWindow* title = Walk::window("TitleScreen");
    QVERIFY(title != nullptr);
    // The window manager and a loaded machine may take a while to map the first window.
    QVERIFY(QTest::qWaitForWindowExposed(title, 30000));
  }

  // The title and a ruler's detail; two rulers, a new game.
  void titleAndNewGame() {
    ScreenWindow* title = Walk::window("TitleScreen");
    auto& form = static_cast<velkaro::TitleScreen&>(title->screen());
    for (int i = 0; i < 20 && form.Picture1.visible; ++i) {
      for (QLabel* l : title->findChildren<QLabel*>()) {
        if (l->isVisible() && l->styleSheet().contains("qlineargradient")) QTest::mouseClick(l, Qt::LeftButton);
      }
    }
    QVERIFY(!form.Picture1.visible);
    QListWidget* scenarios = title->findChildren<QListWidget*>()[0];
    QListWidget* rulers = title->findChildren<QListWidget*>()[1];
    clickRow(scenarios, 1);
    QVERIFY(rulers->count() >= 2);
    fits(title, "タイトル");
    for (int row : {0, 1}) clickRow(rulers, row);
    ScreenWindow* detail = Walk::window("FactionDetail");
    QVERIFY(detail != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(detail));
    fits(detail, "軍閥の内情（タイトル）");
    walk_.clear();
    walk_.answer({QMessageBox::Ok, Qt::Key_Return});
    QTest::mouseClick(Walk::button(title, "新規ゲーム"), Qt::LeftButton);
    QTRY_VERIFY(main() != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(main()));
    fits(main(), "主画面");
  }

  void firstTurnOfTheYear() { turnShown("195年、一人目", "main"); }

  // The first player looks at a faction, moves through the player list, then picks a line
  // other than the first; the second player's turn shows none of it.
  void secondTurnShowsNothingOfTheFirst() {
    const int current = screen().currentPanel();
    QListWidget* factions = lists()[2 * current];
    walk_.onWindow("FactionDetail", [this](ScreenWindow& w) {
      fits(&w, "軍閥の内情");
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    clickRow(factions, factions->count() - 1);
    QCOMPARE(walk_.stepsLeft(), 0);
    QListWidget* players = lists().back();
    players->setFocus();
    QTest::keyClick(players, Qt::Key_Down);
    walk_.onWindow("StrategyExplanation", [this](ScreenWindow& w) {
      fits(&w, "戦略");
      QTest::mouseClick(Walk::button(&w, "決定"), Qt::LeftButton);
    });
    walk_.clear();
    walk_.answer({Walk::kYesByKeys, Qt::Key_Return});
    clickRow(menu(current), std::min(1, menu(current)->count() - 1));
    QCOMPARE(walk_.messages.size(), 2);
    QVERIFY2(walk_.messages[1].endsWith("の番です。"), qPrintable(walk_.messages[1]));
    QVERIFY(screen().teban() > 0);
    turnShown("195年、二人目", "main-second");
  }

  // The second player's Auto ends the year: the narration and the year-end report on screen,
  // then the first player's turn of the next year.
  void nextYearFirstTurn() {
    walk_.onWindow("ResolutionScreen", [this](ScreenWindow& w) {
      fits(&w, "戦況（物語）");
      QTest::keyClick(&w, Qt::Key_End);
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    walk_.onWindow("ResolutionScreen", [this](ScreenWindow& w) {
      fits(&w, "決算報告");
      for (int i = 0; i < 50 && !w.screen().closed; ++i) QTest::keyClick(&w, Qt::Key_Return);
    });
    walk_.clear();
    walk_.answer({QMessageBox::Yes, Qt::Key_Return});
    QTest::mouseClick(Walk::button(main(), "Auto"), Qt::LeftButton);
    QCOMPARE(walk_.stepsLeft(), 0);
    QCOMPARE(screen().year(), 196);
    turnShown("196年、一人目", "main-next-year");
  }

  // The smallest main window still shows five lines of every strategy menu.
  void smallestMainWindowKeepsTheMenus() {
    ScreenWindow* w = main();
    const QSize before = w->size();
    w->resize(w->minimumSizeHint());
    QTest::qWait(100);
    Walk::shot("main-smallest", w);
    for (int k = 0; k < velkaro::kPanels; ++k) {
      QListWidget* list = menu(k);
      const int rows = list->viewport()->height() / std::max(1, list->sizeHintForRow(0));
      QVERIFY2(rows >= 5, qPrintable(QString("panel %1 shows %2 lines at %3×%4").arg(k).arg(rows).arg(w->width()).arg(w->height())));
    }
    w->resize(before);
    QTest::qWait(50);
  }

  // The windows reached from the menus and the panels.
  void informationWindows() {
    QVERIFY(Walk::menuItem(main(), Qt::Key_T, Qt::Key_G));
    ScreenWindow* log = Walk::window("LogReader");
    QVERIFY(log != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(log));
    fits(log, "ログ");
    QTest::keyClick(log, Qt::Key_Escape);
    QTRY_VERIFY(Walk::window("LogReader") == nullptr);

    walk_.onWindow("HistoryCharts", [this](ScreenWindow& w) {
      fits(&w, "勢力推移");
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    QVERIFY(Walk::menuItem(main(), Qt::Key_I, Qt::Key_H));
    QCOMPARE(walk_.stepsLeft(), 0);

    walk_.onWindow("SaveLoadScreen", [this](ScreenWindow& w) {
      fits(&w, "セーブ");
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    QVERIFY(Walk::activate(main()));
    QTest::keyClick(main(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(walk_.stepsLeft(), 0);

    walk_.onWindow("FactionDetail", [this](ScreenWindow& detail) {
      QListWidget* officers = nullptr;
      for (QListWidget* l : detail.findChildren<QListWidget*>()) {
        if (officers == nullptr && l->count() > 0) officers = l;
      }
      QVERIFY(officers != nullptr);
      walk_.onWindow("OfficerStatus", [this](ScreenWindow& status) {
        fits(&status, "武将の説明");
        walk_.onWindow("OfficerEditor", [this](ScreenWindow& editor) {
          fits(&editor, "武将の説明（エディタ）");
          QTest::keyClick(&editor, Qt::Key_Escape);
        });
        QTest::mouseClick(Walk::button(&status, "Edit"), Qt::LeftButton);
        walk_.onWindow("CommentEditor", [this](ScreenWindow& editor) {
          fits(&editor, "武将のコメントエディタ");
          QTest::keyClick(&editor, Qt::Key_Escape);
        });
        for (QLabel* l : status.findChildren<QLabel*>()) {
          if (l->styleSheet().contains("#fbf7ec")) QTest::mouseClick(l, Qt::LeftButton);
        }
        QTest::keyClick(&status, Qt::Key_Escape);
      });
      clickRow(officers, 0);
      walk_.onWindow("OfficerRoster", [this](ScreenWindow& roster) {
        fits(&roster, "武将一覧");
        QTest::keyClick(&roster, Qt::Key_Escape);
      });
      QTest::mouseClick(Walk::button(&detail, "武将一覧"), Qt::LeftButton);
      QTest::keyClick(&detail, Qt::Key_Escape);
    });
    clickRow(lists()[0], 0);
    QCOMPARE(walk_.stepsLeft(), 0);
  }

  // A faction marked destroyed in the running game: its name and its list grey in
  // 各軍閥所属部将, a standing faction's not; all five columns and 戻る in sight.
  void destroyedFactionIsGrey() {
    auto& ctx = walk_.context();
    velkaro::StateFiles files(ctx.dir);
    velkaro::FactionTable factions;
    files.loadFactions(factions, ctx.FACTION_MAX);
    // The last standing faction is compared with one that fell (or is made to fall here).
    int standing = 0;
    int fallen = 0;
    for (int f = ctx.FACTION_MAX; f >= 1 && standing == 0; --f) standing = factions[f].del ? 0 : f;
    for (int f = 1; f <= ctx.FACTION_MAX && fallen == 0; ++f) fallen = factions[f].del ? f : 0;
    for (int f = 1; f <= ctx.FACTION_MAX && fallen == 0; ++f) {
      if (f != standing) {
        factions[f].del = true;
        fallen = f;
      }
    }
    files.saveFactions(factions, ctx.FACTION_MAX);
    QVERIFY(fallen > 0 && standing > 0);
    QRgb fallenList = 0;
    QRgb fallenName = 0;
    QRgb standingList = 0;
    walk_.onWindow("AllFactions", [&](ScreenWindow& all) {
      fits(&all, "軍閥一覧");
      walk_.onWindow("FactionOfficerLists", [&](ScreenWindow& w) {
        fits(&w, "各軍閥所属部将");
        Walk::shot("faction-lists-fallen", &w);
        QList<QListWidget*> officerLists = w.findChildren<QListWidget*>();
        QList<QLabel*> names = w.findChildren<QLabel*>();
        QVERIFY(officerLists.size() == velkaro::FactionOfficerLists::kPanels);
        fallenList = rgb(ScreenFit::dominantColour(officerLists[fallen - 1]->viewport()));
        standingList = rgb(ScreenFit::dominantColour(officerLists[standing - 1]->viewport()));
        for (QLabel* l : names) {
          if (l->text() == QString::fromStdString(factions[fallen].name)) fallenName = rgb(ScreenFit::dominantColour(l));
        }
        QTest::keyClick(&w, Qt::Key_Escape);
      });
      QTest::mouseClick(Walk::button(&all, "武将リスト"), Qt::LeftButton);
      QTest::keyClick(&all, Qt::Key_Escape);
    });
    QVERIFY(Walk::menuItem(main(), Qt::Key_I, Qt::Key_A));
    QCOMPARE(walk_.stepsLeft(), 0);
    const QRgb grey = velkaro::FactionOfficerLists::kDestroyedColour;
    QVERIFY2(fallenList == grey, qPrintable(QString("the fallen faction's list is #%1").arg(fallenList, 6, 16, QChar('0'))));
    QVERIFY2(fallenName == grey, qPrintable(QString("the fallen faction's name is on #%1").arg(fallenName, 6, 16, QChar('0'))));
    QVERIFY2(standingList != grey, "a standing faction's list is grey");
  }

  void everyWindowFits() {
    QVERIFY2(checked_.size() >= 15, qPrintable(checked_.join("、")));
    QVERIFY2(misfits_.isEmpty(), qPrintable("\n" + misfits_.join("\n")));
  }
};

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  velkaro::qt::AppLook::apply(app);
  Walk walk(sinceStart);
  LookWalk test;
  return QTest::qExec(&test, argc, argv);
}

#include "LookWalk.moc"
