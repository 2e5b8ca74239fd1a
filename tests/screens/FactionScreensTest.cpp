#include <gtest/gtest.h>

#include "support/GameUi.h"
#include "data/TextFile.h"
#include "screens/AllFactions.h"
#include "screens/OfficerRoster.h"
#include "screens/FactionDetail.h"
#include "support/Records.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct FactionFixture : ::testing::Test {
  FactionFixture() : ctx(game.dir()) {
    ctx.FACTION_MAX = 4;
    ctx.OFFICER_MAX = 12;
    std::string factions = factionText({1, "曹操", 1, 1, 20, 5, 60, 70, 80, 30});
    factions += factionText({2, "劉備", 1, 5, 8, 0, 40, 50, 90, 10});
    factions += factionText({3, "袁紹", 0, 9, 30, 3, 1, 2, 3, 4, "TRUE"});
    factions += factionText({4, "孫堅", 0, 11, 12, 1, 5, 6, 7, 8, "false"});
    game.writeText("ini/gunsv.ini", factions);
    std::string officers;
    officers += officerText({1, "曹操", 8, 7, 9, 9, 9, 6, 1, 5});
    officers += officerText({2, "荀彧", 9, 2, 9, 6, 7, 8, 1, 6});   // 軍師
    officers += officerText({3, "夏侯惇", 3, 9, 4, 7, 6, 7, 1, 4});
    officers += officerText({4, "満寵", 7, 4, 6, 5, 5, 6, 1, 1});
    officers += officerText({5, "劉備", 6, 6, 6, 6, 10, 7, 5, 5});
    officers += officerText({6, "関羽", 5, 10, 7, 8, 8, 9, 5, 2});
    officers += officerText({7, "浪人", 5, 5, 5, 5, 5, 5, 0, 2});    // serves nobody
    officers += officerText({8, "無職", 5, 5, 5, 5, 5, 5, 1, 0});    // no post
    officers += officerText({9, "袁紹", 5, 5, 5, 5, 5, 5, 9, 5});
    officers += officerText({10, "程昱", 6, 3, 8, 6, 5, 6, 1, 3});
    officers += officerText({11, "孫堅", 5, 8, 5, 7, 8, 6, 11, 5});
    officers += officerText({12, "架空", 5, 5, 5, 5, 5, 5, 1, 2, "f", 200});
    officers += officerText({13, "範囲外", 5, 5, 5, 5, 5, 5, 1, 2});  // beyond OFFICER_MAX
    game.writeText("ini/busv.ini", officers);
  }
  std::vector<std::string> column(const Label& label) { return TextFile::splitLines(label.caption); }
  std::vector<std::string> names(const ListBox& list) {
    std::vector<std::string> out;
    for (const auto& item : list.items) out.push_back(item.text);
    return out;
  }

  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(FactionFixture, DetailShowsFiguresAndOfficersByPost) {
  ctx.selectedFaction = 1;
  ctx.sharedText = "戦争を画策中";
  FactionDetail g(ctx, ui);
  g.Form_Load();
  EXPECT_EQ(g.caption, "曹操軍の内情");
  EXPECT_EQ(column(g.Label1), (Lines{"総兵力", "精兵数", "名声", "治安", "結束力", "畏怖"}));
  EXPECT_EQ(column(g.Label2), (Lines{"25000", " 5000", "60", "70", "80", "30"}));
  EXPECT_EQ(g.Txt_lab.caption, "戦争を画策中");
  EXPECT_EQ(g.Frame1[2].caption, "参謀（軍師）");
  EXPECT_EQ(names(g.Chr_lst[0]), (Lines{"満寵"}));
  EXPECT_EQ(names(g.Chr_lst[1]), (Lines{"架空"})) << "no post and beyond OFFICER_MAX are left out";
  EXPECT_EQ(names(g.Chr_lst[2]), (Lines{"荀彧", "程昱"})) << "軍師 and 参謀 share a list, in number order";
  EXPECT_EQ(names(g.Chr_lst[3]), (Lines{"夏侯惇"}));
  EXPECT_EQ(names(g.Chr_lst[4]), (Lines{"曹操"}));
  EXPECT_EQ(g.Chr_lst[2].itemData(1), 10);
  EXPECT_EQ(g.ruler().name, "曹操");
}

TEST_F(FactionFixture, DetailOpensTheOfficerScreens) {
  ctx.selectedFaction = 2;
  FactionDetail g(ctx, ui);
  g.Form_Load();
  EXPECT_EQ(names(g.Chr_lst[1]), (Lines{"関羽"}));
  int shownOfficer = -1;
  ui.onShow("OfficerStatus", [&](Screen& s) { shownOfficer = s.context().selectedOfficer; });
  g.Chr_lst[1].listIndex = 0;
  g.Chr_lst_Click(1);
  EXPECT_EQ(shownOfficer, 6);
  std::string table;
  ui.onShow("OfficerRoster", [&](Screen& s) { table = static_cast<OfficerRoster&>(s).Lab_name.caption; });
  g.Command1_Click(1);
  EXPECT_EQ(table, "劉備\r\n関羽\r\n") << "the table of the faction's ruler";
  g.Command1_Click(0);
  EXPECT_TRUE(g.closed);
}

TEST_F(FactionFixture, FactionMissingFromTheFileListsNobody) {
  ctx.selectedFaction = 7;
  FactionDetail g(ctx, ui);
  g.Form_Load();
  EXPECT_EQ(g.caption, "軍の内情");
  for (const auto& list : g.Chr_lst) EXPECT_EQ(list.listCount(), 0) << "the unaffiliated are nobody's officers";
}

TEST_F(FactionFixture, OverviewHasOneRowPerSurvivingFaction) {
  AllFactions all(ctx, ui);
  all.Form_Load();
  EXPECT_EQ(all.caption, "軍閥一覧");
  EXPECT_EQ(all.Lab_Cate[1].caption, "総兵力\r\n（千）");
  EXPECT_EQ(all.Lab_Cate[3].caption, "政安");
  EXPECT_EQ(all.Lab_Cate[8].caption, "盟主");
  EXPECT_EQ(all.Lab_Cate[9].caption, "");
  EXPECT_EQ(all.rowFactions(), (std::vector<int>{1, 2, 4})) << "the destroyed 袁紹 has no row; \"false\" is alive";
  EXPECT_EQ(column(all.Lab_name), (Lines{"曹操", "劉備", "孫堅"}));
  EXPECT_EQ(column(all.Lab_abl[0]), (Lines{"25", "8", "13"}));
  EXPECT_EQ(column(all.Lab_abl[1]), (Lines{"5", "0", "1"}));
  EXPECT_EQ(column(all.Lab_abl[2]), (Lines{"70", "50", "6"})) << "政安 shows 治安";
  EXPECT_EQ(column(all.Lab_abl[3]), (Lines{"80", "90", "7"}));
  EXPECT_EQ(column(all.Lab_abl[4]), (Lines{"60", "40", "5"}));
  EXPECT_EQ(column(all.Lab_abl[5]), (Lines{"30", "10", "8"}));
  EXPECT_EQ(column(all.Lab_abl[6]), (Lines{"7", "2", "1"})) << "ruler included, post 0 too, not beyond OFFICER_MAX";
  EXPECT_EQ(all.Lab_abl[7].caption, "曹操\r\n曹操\r\n\r\n") << "both allies show the leader; no alliance is empty";
  bool opened = false;
  ui.onShow("FactionOfficerLists", [&](Screen&) { opened = true; });
  all.Command1_Click(1);
  EXPECT_TRUE(opened);
}
