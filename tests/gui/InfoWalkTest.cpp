// The information windows of a running game: the log reader, a faction's detail with an
// officer's status, the officer editor refusing 11, the comment editor and the officer table,
// the all-factions table and its officer lists. Each is reached as a player reaches it.
#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Walk.h"
#include "data/Codec.h"
#include "data/StatePaths.h"
#include "editors/OfficerEditor.h"
#include "screens/FactionDetail.h"
#include "screens/OfficerStatus.h"
#include "turn/MainScreen.h"

using velkaro::qt::ScreenWindow;

class InfoWalkTest : public QObject {
  Q_OBJECT
  Walk& walk_ = Walk::game();

  static ScreenWindow* main() { return Walk::window("MainScreen"); }
  static void clickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  static std::string readAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  static void writeAll(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  }
  // The first row of 情報 → 軍閥一覧, opened by keyboard and closed again.
  std::string firstFactionName() {
    QString name;
    walk_.clear();
    walk_.onWindow("AllFactions", [&](ScreenWindow& w) {
      name = w.findChild<QTableWidget*>()->item(0, 0)->text();
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    if (!Walk::menuItem(main(), Qt::Key_I, Qt::Key_A)) return {};
    return name.toStdString();
  }
  static void tabCheck(ScreenWindow& w) {
    QString missing;
    QVERIFY2(Walk::everyButtonByTab(&w, &missing), qPrintable(missing));
  }

  // The officer editor: 11 is refused with the range message and nothing is stored; Esc cancels.
  void editorRefusesEleven(ScreenWindow& editor) {
    Walk::shot("officer-editor", &editor);
    tabCheck(editor);
    QLineEdit* first = editor.findChildren<QLineEdit*>().front();
    first->setFocus();
    first->selectAll();
    QTest::keyClicks(first, "11");
    const int before = static_cast<int>(walk_.messages.size());
    QTest::keyClick(first, Qt::Key_Return);
    QCOMPARE(walk_.messages.mid(before), QStringList{velkaro::OfficerEditor::kRangeMessage});
    QVERIFY(!editor.screen().closed);
    QTest::keyClick(&editor, Qt::Key_Escape);
    QVERIFY(editor.screen().closed);
  }

  // An officer's status: its name and abilities; Edit opens the editor, which stores nothing;
  // a click on the comment opens the comment editor.
  void officerStatus(ScreenWindow& status) {
    auto& form = static_cast<velkaro::OfficerStatus&>(status.screen());
    QVERIFY(!form.Name_lab.caption.empty());
    Walk::shot("officer-status", &status);
    tabCheck(status);
    const std::string values = form.Skl_Lab[1].caption;
    walk_.onWindow("OfficerEditor", [this](ScreenWindow& w) { editorRefusesEleven(w); });
    QTest::mouseClick(Walk::button(&status, "Edit"), Qt::LeftButton);
    QCOMPARE(form.Skl_Lab[1].caption, values);
    walk_.onWindow("CommentEditor", [](ScreenWindow& w) {
      Walk::shot("comment-editor", &w);
      tabCheck(w);
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    QLabel* comment = nullptr;
    for (QLabel* l : status.findChildren<QLabel*>()) {
      if (l->styleSheet().contains("#fbf7ec")) comment = l;
    }
    QVERIFY(comment != nullptr);
    QTest::mouseClick(comment, Qt::LeftButton);
    QTest::keyClick(&status, Qt::Key_Escape);
    QVERIFY(form.closed);
  }

  // A faction's detail: its name, its officers in their lists; an officer's status from a
  // list; the officer table from 武将一覧; Esc goes back.
  void factionDetail(ScreenWindow& detail, const QString& name) {
    auto& form = static_cast<velkaro::FactionDetail&>(detail.screen());
    QCOMPARE(QString::fromStdString(form.faction().name), name);
    Walk::shot("faction-detail", &detail);
    tabCheck(detail);
    QListWidget* officers = nullptr;
    for (QListWidget* l : detail.findChildren<QListWidget*>()) {
      if (officers == nullptr && l->count() > 0) officers = l;
    }
    QVERIFY(officers != nullptr);
    walk_.onWindow("OfficerStatus", [this](ScreenWindow& w) { officerStatus(w); });
    walk_.timeUntilPainted("武将の行 → 武将の説明", "OfficerStatus");
    clickRow(officers, 0);
    walk_.onWindow("OfficerRoster", [](ScreenWindow& w) {
      Walk::shot("officer-table", &w);
      tabCheck(w);
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    walk_.timeUntilPainted("武将一覧 → 武将一覧表", "OfficerRoster");
    QTest::mouseClick(Walk::button(&detail, "武将一覧"), Qt::LeftButton);
    QTest::keyClick(&detail, Qt::Key_Escape);
    QVERIFY(form.closed);
  }

 private slots:
  // ツール → ログを見る by keyboard: the log of the years played, in a window of its own; Esc closes it.
  void logReader() {
    walk_.clear();
    walk_.timeUntilPainted("ログを見る → ログ", "LogReader");
    QVERIFY(Walk::menuItem(main(), Qt::Key_T, Qt::Key_G));
    ScreenWindow* log = Walk::window("LogReader");
    QVERIFY(log != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(log));
    QCOMPARE(walk_.windows, QStringList{"LogReader"});
    QVERIFY(Walk::button(log, "閉")->isEnabled());
    QLabel* text = nullptr;
    for (QLabel* l : log->findChildren<QLabel*>()) {
      if (l->text().contains("年")) text = l;
    }
    QVERIFY(text != nullptr);
    Walk::shot("log-reader", log);
    // A wider window gives the log's lines the room.
    const int width = text->width();
    log->resize(log->width() + 200, log->height());
    QTRY_COMPARE(text->width(), width + 200);
    QTest::keyClick(log, Qt::Key_Escape);
    QTRY_VERIFY(Walk::window("LogReader") == nullptr);
  }

  // A faction of the first panel, by mouse.
  void factionDetailStatusAndEditors() {
    QListWidget* factions = main()->findChildren<QListWidget*>()[0];
    QVERIFY(factions->count() > 0);
    const QString name = factions->item(0)->text();
    walk_.clear();
    walk_.onWindow("FactionDetail", [this, name](ScreenWindow& w) { factionDetail(w, name); });
    walk_.timeUntilPainted("軍閥の行 → 軍閥の内情", "FactionDetail");
    clickRow(factions, 0);
    QCOMPARE(walk_.stepsLeft(), 0);
    QCOMPARE(walk_.windows,
             (QStringList{"FactionDetail", "OfficerStatus", "OfficerEditor", "CommentEditor", "OfficerRoster"}));
    QCOMPARE(walk_.messages, QStringList{velkaro::OfficerEditor::kRangeMessage});
  }

  // 情報 → 軍閥一覧 by keyboard: a row per faction, the names first; its officer lists.
  void allFactions() {
    walk_.clear();
    int rows = 0;
    QString firstName;
    int leaderWidth = 0;
    int tableWidth = 0;
    walk_.onWindow("AllFactions", [&](ScreenWindow& w) {
      auto* table = w.findChild<QTableWidget*>();
      rows = table->rowCount();
      firstName = table->item(0, 0)->text();
      leaderWidth = table->columnWidth(table->columnCount() - 1);
      tableWidth = table->viewport()->width();
      Walk::shot("all-factions", &w);
      tabCheck(w);
      walk_.onWindow("FactionOfficerLists", [](ScreenWindow& lists) {
        Walk::shot("faction-lists", &lists);
        tabCheck(lists);
        QTest::keyClick(&lists, Qt::Key_Escape);
      });
      walk_.timeUntilPainted("武将リスト → 各軍閥所属部将", "FactionOfficerLists");
      QTest::mouseClick(Walk::button(&w, "武将リスト"), Qt::LeftButton);
      QTest::keyClick(&w, Qt::Key_Escape);
    });
    walk_.timeUntilPainted("軍閥一覧 → 軍閥一覧表", "AllFactions");
    QVERIFY(Walk::menuItem(main(), Qt::Key_I, Qt::Key_A));
    QCOMPARE(walk_.windows, (QStringList{"AllFactions", "FactionOfficerLists"}));
    QVERIFY(rows > 0);
    QVERIFY(!firstName.isEmpty());
    QVERIFY2(leaderWidth < tableWidth / 4, qPrintable(QString("盟主 %1 of %2").arg(leaderWidth).arg(tableWidth)));
  }

  // The player renames a faction in "\\ini\\gunsv.ini" with an editor while the game waits: the
  // faction table shows the new name. The file is put back afterwards.
  void aFileEditedWhileTheGameWaitsIsReadAgain() {
    const std::filesystem::path file = walk_.context().dir.resolve(velkaro::paths::kGunsv);  // or Gunsv.ini
    const std::string before = readAll(file);
    const std::string oldName = velkaro::Codec::toCp932(firstFactionName()).value();
    // The name line of its record, bare or in quotes.
    std::size_t at = before.find("\r\n" + oldName + "\r\n");
    if (at != std::string::npos) at += 2;
    if (at == std::string::npos && (at = before.find("\r\n\"" + oldName + "\"\r\n")) != std::string::npos) at += 3;
    QVERIFY2(!oldName.empty() && at != std::string::npos, file.c_str());
    std::string after = before;
    after.replace(at, oldName.size(), velkaro::Codec::toCp932("改名軍").value());
    writeAll(file, after);
    QEventLoop wait;  // waits as the game's own event loop does
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();
    QCOMPARE(firstFactionName(), std::string("改名軍"));
    writeAll(file, before);
    QTimer::singleShot(50, &wait, &QEventLoop::quit);
    wait.exec();
    QCOMPARE(velkaro::Codec::toCp932(firstFactionName()).value(), oldName);
  }

  // The menus show their items whole.
  void menusAreNotElided() {
    for (QMenu* menu : main()->findChildren<QMenu*>()) {
      for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        const int needed = menu->fontMetrics().horizontalAdvance(QString(action->text()).remove('&'));
        QVERIFY2(menu->actionGeometry(action).width() > needed, qPrintable(action->text()));
      }
    }
  }
};

int runInfoWalk(int argc, char** argv) {
  InfoWalkTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "InfoWalkTest.moc"
