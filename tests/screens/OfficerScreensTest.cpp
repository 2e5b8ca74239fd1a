#include <gtest/gtest.h>

#include "support/GameUi.h"
#include "data/TextFile.h"
#include "screens/FactionOfficerLists.h"
#include "screens/OfficerRoster.h"
#include "screens/OfficerStatus.h"
#include "support/Records.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct OfficerFixture : ::testing::Test {
  OfficerFixture() : ctx(game.dir()) {
    ctx.FACTION_MAX = 13;
    ctx.OFFICER_MAX = 170;
    std::string factions;
    for (int f = 1; f <= 13; ++f) {
      factions += factionText({f, "軍" + std::to_string(f), 0, f * 10, 10, 1, 1, 1, 1, 1,
                               f == 3 ? "TRUE" : (f == 4 ? "false" : "FALSE")});
    }
    game.writeText("ini/gunsv.ini", factions);
    std::string officers;
    officers += officerText({10, "君主甲", 6, 7, 8, 9, 10, 4, 10, 5, "a", 12});
    officers += officerText({11, "武官乙", 3, 9, 4, 2, 6, 7, 10, 2, "b", 200});
    officers += officerText({12, "参謀丙", 8, 1, 7, 6, 5, 5, 10, 3, "c", 0});
    officers += officerText({13, "浪人丁", 5, 5, 5, 5, 5, 5, 0, 2, "d", 99});
    officers += officerText({14, "将軍戊", 2, 8, 3, 7, 6, 6, 40, 4});
    officers += officerText({15, "亡国己", 2, 8, 3, 7, 6, 6, 30, 1});
    officers += officerText({16, "無職庚", 2, 8, 3, 7, 6, 6, 10, 0});
    officers += officerText({130, "十三番", 2, 8, 3, 7, 6, 6, 130, 5});
    game.writeText("ini/busv.ini", officers);
    game.writeText("ini/Cmtsv.ini",
                   ".12\n君主甲\n若くして名を上げ,天下を望む。\n志は高い。\n.13\n次の人\n別の文\n.200\n架空\n読まれない\n");
  }
  OfficerStatus& status(int officer) {
    ctx.selectedOfficer = static_cast<int16>(officer);
    screen = std::make_unique<OfficerStatus>(ctx, ui);
    screen->Form_Load();
    return *screen;
  }
  std::vector<std::string> column(const Label& label) { return TextFile::splitLines(label.caption); }

  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
  std::unique_ptr<OfficerStatus> screen;
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(OfficerFixture, StatusShowsTheAbilitiesOfThePost) {
  OfficerStatus& ruler = status(10);
  EXPECT_EQ(ruler.caption, "武将の説明");
  EXPECT_EQ(ruler.Name_lab.caption, "君主甲");
  EXPECT_EQ(ruler.Label1.caption, "君主");
  EXPECT_EQ(ruler.Skl_Kind[0].caption, "政治\r\n武勇\r\n智謀\r\n采配");
  EXPECT_EQ(ruler.Skl_Lab[1].caption, "6\r\n7\r\n8\r\n9");
  EXPECT_EQ(ruler.Skl_Kind[1].caption, "器量\r\n節度");
  EXPECT_EQ(ruler.Skl_Lab[2].caption, "10\r\n4");
  EXPECT_EQ(ruler.cmdEdit.caption, "Edit");
  EXPECT_EQ(ruler.Command1.caption, "Return");

  OfficerStatus& bukan = status(11);
  EXPECT_EQ(bukan.Label1.caption, "武官");
  EXPECT_EQ(bukan.Skl_Kind[0].caption, "武勇");
  EXPECT_EQ(bukan.Skl_Lab[1].caption, "9");

  OfficerStatus& sanbou = status(12);
  EXPECT_EQ(sanbou.Skl_Kind[0].caption, "政治\r\n智謀\r\n采配");
  EXPECT_EQ(sanbou.Skl_Lab[1].caption, "8\r\n7\r\n6");

  OfficerStatus& none = status(16);
  EXPECT_EQ(none.Label1.caption, "");
  EXPECT_EQ(none.Skl_Kind[0].caption, "");
  EXPECT_EQ(none.Skl_Lab[2].caption, "6\r\n6");
}

TEST_F(OfficerFixture, StatusComments) {
  EXPECT_EQ(status(10).Lab_cmt.caption, "  若くして名を上げ\r\n  天下を望む。\r\n  志は高い。\r\n") << "a comma starts a new line";
  EXPECT_EQ(status(11).Lab_cmt.caption, "この１ゲーム限りの架空の人物。") << "even though the file has a record 200";
  EXPECT_EQ(status(12).Lab_cmt.caption, "");
  EXPECT_EQ(status(13).Lab_cmt.caption, "") << "a number without a record";

  OfficerStatus& unknown = status(99);
  EXPECT_EQ(unknown.Name_lab.caption, "何某");
  EXPECT_EQ(unknown.Label1.caption, "");
  EXPECT_EQ(unknown.Skl_Lab[2].caption, "0\r\n0");
}

TEST_F(OfficerFixture, StatusHintAndReturn) {
  OfficerStatus& s = status(10);
  EXPECT_EQ(s.Hlp.caption, "");
  s.Lab_cmt_MouseMove();
  EXPECT_EQ(s.Hlp.caption, "クリックしてコメントを書き換えられます");
  s.Back_MouseMove();
  EXPECT_EQ(s.Hlp.caption, "");
  s.Command1_Click();
  EXPECT_TRUE(s.closed);
}

TEST_F(OfficerFixture, OfficerTableShowsDashesForAbilitiesThePostHides) {
  ctx.selectedOfficer = 10;
  OfficerRoster table(ctx, ui);
  table.Form_Load();
  EXPECT_EQ(table.caption, "武将一覧");
  EXPECT_EQ(table.Lab_Cate[0].caption, "名前");
  EXPECT_EQ(table.Lab_Cate[7].caption, "職業");
  EXPECT_EQ(column(table.Lab_name), (Lines{"君主甲", "武官乙", "参謀丙", "無職庚"}));
  EXPECT_EQ(column(table.Lab_id), (Lines{" 10", " 11", " 12", " 16"}));
  EXPECT_EQ(column(table.Lab_abl[0]), (Lines{"6", "-", "8", "-"}));
  EXPECT_EQ(column(table.Lab_abl[1]), (Lines{"7", "9", "-", "-"}));
  EXPECT_EQ(column(table.Lab_abl[2]), (Lines{"8", "-", "7", "-"}));
  EXPECT_EQ(column(table.Lab_abl[3]), (Lines{"9", "-", "6", "-"}));
  EXPECT_EQ(column(table.Lab_abl[4]), (Lines{"10", "6", "5", "6"}));
  EXPECT_EQ(column(table.Lab_abl[5]), (Lines{"4", "7", "5", "6"}));
  EXPECT_EQ(table.Lab_abl[6].caption, "君主\r\n武官\r\n参謀\r\n\r\n");

  ctx.selectedOfficer = 0;
  OfficerRoster nobody(ctx, ui);
  nobody.Form_Load();
  EXPECT_EQ(nobody.Lab_name.caption, "") << "the unaffiliated are not officer 0's";
}

TEST_F(OfficerFixture, FactionListsPanelsColoursAndMembers) {
  ctx.FACTION_MAX = 12;
  FactionOfficerLists lists(ctx, ui);
  lists.Form_Load();
  EXPECT_EQ(lists.caption, "各軍閥所属部将");
  EXPECT_TRUE(lists.Chr_lst[11].visible);
  EXPECT_FALSE(lists.Chr_lst[12].visible) << "twelve factions hide the thirteenth panel";
  EXPECT_FALSE(lists.Lab_name[12].visible);
  EXPECT_EQ(lists.Lab_name[0].caption, "軍1");
  EXPECT_EQ(lists.Chr_lst[0].listCount(), 4);
  EXPECT_EQ(lists.Chr_lst[0].itemData(3), 16);
  EXPECT_EQ(lists.Chr_lst[3].text(0), "将軍戊");
  EXPECT_EQ(lists.Chr_lst[2].backColour, 0xC0C0C0u);
  EXPECT_EQ(lists.Lab_nameBackColour[2], 0xC0C0C0u);
  EXPECT_EQ(lists.Chr_lst[2].text(0), "亡国己");
  EXPECT_EQ(lists.Chr_lst[3].backColour, kWindowColour) << "\"false\" is alive";
  EXPECT_EQ(lists.Chr_lst[12].listCount(), 0) << "faction 13 is beyond FACTION_MAX";
  int total = 0;
  for (const auto& list : lists.Chr_lst) total += list.listCount();
  EXPECT_EQ(total, 6) << "浪人丁 serves nobody and appears nowhere";

  std::string shown;
  ui.onShow("OfficerStatus", [&](Screen& s) { shown = static_cast<OfficerStatus&>(s).Name_lab.caption; });
  lists.Chr_lst[0].listIndex = 1;
  lists.Chr_lst_Click(0);
  EXPECT_EQ(shown, "武官乙");
}
