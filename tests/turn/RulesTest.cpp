#include <gtest/gtest.h>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "turn/AllianceSlots.h"
#include "turn/ComputerChoice.h"
#include "turn/Report.h"
#include "turn/Strategy.h"
#include "turn/StrategyMenu.h"
#include "turn/YearEnd.h"
#include "support/SyntheticData.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

gun faction(int id, int kunshu, int meishu, int army, int meisei = 50) {
  gun g;
  g.id = static_cast<int16>(id);
  g.name = "軍" + std::to_string(id);
  g.kunshuID = static_cast<int16>(kunshu);
  g.meishuID = static_cast<int16>(meishu);
  g.army = static_cast<int16>(army);
  g.meisei = static_cast<int16>(meisei);
  return g;
}

}  // namespace

TEST(Report, ScoresFollowTroopsOrderFameAndAlliance) {
  TempGameDir game;
  GameContext ctx(game.dir());
  std::array<long, kPanels> troops{0, 200, 0, 0};
  ctx.meishu = {0, 7, 0, 0};
  ctx.meishuKessoku = {0, 50, 0, 0};
  const Report report(ctx, troops);
  gun g = faction(1, 3, 0, 90, 20);
  g.tian = 100;
  EXPECT_FLOAT_EQ(report.score(g), 130.0f);
  g.tian = 0;
  g.army = 60;
  g.meisei = 0;
  EXPECT_FLOAT_EQ(report.score(g), 20.0f) << "public order 0 counts a third of the army";
  gun leader = faction(2, 7, 7, 30, 10);
  leader.tian = 100;
  EXPECT_FLOAT_EQ(report.alliancePart(leader), 100.0f);
  EXPECT_FLOAT_EQ(report.score(leader), 30.0f + 20.0f + 100.0f);
  gun member = faction(3, 8, 7, 30, 10);
  EXPECT_FLOAT_EQ(report.alliancePart(member), 0.0f) << "only the leader counts the alliance";
  leader.del = true;
  EXPECT_FLOAT_EQ(report.score(leader), 0.0f);
  EXPECT_DOUBLE_EQ(Report::comma3(0.12399), 0.123);
  EXPECT_EQ(realStr(Report::comma3(130.0 / 1054.0)), " .123");
}

TEST(Report, LimitClampsEveryCohesion) {
  TempGameDir game;
  GameContext ctx(game.dir());
  ctx.meishuKessoku = {-5, 130, 100, 0};
  Report::Limit_rtn(ctx);
  EXPECT_EQ(ctx.meishuKessoku, (std::array<int16, kPanels>{0, 100, 100, 0}));
}

TEST(AllianceSlots, FourthLeaderGetsNoSlotAndCohesionFollowsItsLeader) {
  TempGameDir game;
  GameContext ctx(game.dir());
  ctx.FACTION_MAX = 5;
  FactionTable factions;
  factions[1] = faction(1, 11, 11, 10, 30);
  factions[2] = faction(2, 21, 21, 10, 40);
  factions[3] = faction(3, 31, 31, 10, 50);
  factions[4] = faction(4, 41, 41, 10, 60);
  factions[5] = faction(5, 51, 21, 10, 70);
  std::array<std::string, kPanels> headings;
  AllianceSlots::ini_Mei_rtn(ctx, factions, headings);
  EXPECT_EQ(ctx.meishu, (std::array<int16, kPanels>{0, 11, 21, 31}));
  EXPECT_EQ(ctx.meishuKessoku, (std::array<int16, kPanels>{0, 30, 40, 50}));
  EXPECT_EQ(headings[2], "軍2");

  // The first alliance dissolves: the second moves up to slot 1 and keeps its cohesion;
  // the fourth leader now finds a slot and starts from its fame.
  ctx.meishuKessoku[2] = 77;
  factions[1].meishuID = 0;
  AllianceSlots::res_Mei_rtn(ctx, factions, headings);
  EXPECT_EQ(ctx.meishu, (std::array<int16, kPanels>{0, 21, 31, 41}));
  EXPECT_EQ(ctx.meishuKessoku, (std::array<int16, kPanels>{0, 77, 50, 60}));
  EXPECT_EQ(headings[1], "軍2");

  // A remembered cohesion of 0 counts as a new alliance.
  ctx.meishuKessoku[1] = 0;
  AllianceSlots::res_Mei_rtn(ctx, factions, headings);
  EXPECT_EQ(ctx.meishuKessoku[1], 40);
}

TEST(ComputerChoice, WarIsChosenOnlyWhenTheNumbersFavourIt) {
  TempGameDir game;
  GameContext ctx(game.dir());
  ctx.rng.fixSeed(3);
  FactionTable factions;
  factions[1] = faction(1, 1, 0, 100);
  factions[1].gunshi = 10;  // strength 1000
  factions[2] = faction(2, 2, 0, 200);
  factions[2].gunshi = 10;  // strength 2000
  factions[3] = faction(3, 3, 0, 300);
  factions[3].gunshi = 7;   // strength 2100
  ComputerChoice choice(ctx);

  // War against a stronger enemy, then wait: only the wait line is a candidate.
  ctx.menuLines[0] = 2;
  ctx.menuStrategy[0] = {kSensou, kTaiki, 0, 0};
  ctx.param1[0] = {2, 0, 0, 0};
  for (int i = 0; i < 50; ++i) ASSERT_EQ(choice.searchCommand(1, 0, factions), 1);

  // 義戦 doubles own strength: an enemy of 2000 is not below 2 × 1000, so it is rejected ...
  ctx.menuStrategy[0] = {kGisen, kTaiki, 0, 0};
  for (int i = 0; i < 50; ++i) ASSERT_EQ(choice.searchCommand(1, 0, factions), 1);
  // ... while an enemy of 1800 is, and so is the same line as 戦争 against it.
  factions[2].gunshi = 9;
  bool war = false;
  for (int i = 0; i < 100; ++i) war = war || choice.searchCommand(1, 0, factions) == 0;
  EXPECT_TRUE(war);
  ctx.menuStrategy[0] = {kSensou, kTaiki, 0, 0};
  for (int i = 0; i < 50; ++i) ASSERT_EQ(choice.searchCommand(1, 0, factions), 1);

  // At own strength 2001 or more a war line is always a candidate, however strong the enemy.
  factions[4] = faction(4, 4, 0, 2001);
  factions[4].gunshi = 1;
  ctx.menuStrategy[0] = {kSensou, kTaiki, 0, 0};
  ctx.param1[0] = {3, 0, 0, 0};
  factions[3].army = 30000;
  war = false;
  for (int i = 0; i < 100; ++i) war = war || choice.searchCommand(4, 0, factions) == 0;
  EXPECT_TRUE(war);
  factions[4].army = 2000;
  for (int i = 0; i < 50; ++i) ASSERT_EQ(choice.searchCommand(4, 0, factions), 1);

  // Only war lines, all rejected: the fallback still picks one of them.
  ctx.menuLines[0] = 2;
  ctx.menuStrategy[0] = {kSensou, kSensou, 0, 0};
  ctx.param1[0] = {3, 3, 0, 0};
  for (int i = 0; i < 20; ++i) {
    const int line = choice.searchCommand(1, 0, factions);
    ASSERT_TRUE(line == 0 || line == 1);
  }
  // An empty menu chooses line 0.
  ctx.menuLines[0] = 0;
  EXPECT_EQ(choice.searchCommand(1, 0, factions), 0);
}

TEST(ComputerChoice, StrengthUsesThirtyTwoBitProducts) {
  gun g = faction(1, 1, 0, 30000);
  g.gunshi = 10;
  EXPECT_EQ(ComputerChoice::strength(g), 300000L);
}

TEST(StrategyMenu, PanelsGetWaitOnlyBelowThreeLinesAndNeverAssassination) {
  TempGameDir game;
  SyntheticData::install(game);
  GameContext ctx(game.dir());
  game.writeBytes("ini/busv.ini", game.readBytes("ini/Bushou1.ini"));
  game.writeBytes("ini/gunsv.ini", game.readBytes("ini/Gunbatu1.ini"));
  ctx.meishu = {0, 1, 11, 21};
  ctx.meishuKessoku = {0, 45, 50, 55};
  std::array<ListBox, kPanels> factions;
  factions[0].addItem("甲軍7", 7);
  factions[1].addItem("甲軍1", 1);
  factions[1].addItem("甲軍4", 4);
  factions[2].addItem("甲軍2", 2);
  factions[3].addItem("甲軍3", 3);
  std::array<ListBox, kPanels> menus;
  int waits = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    ctx.rng.fixSeed(seed);
    StrategyMenu(ctx, factions, menus).ld_Com_rtn();
    for (std::size_t k = 0; k < kPanels; ++k) {
      const ListBox& menu = menus[k];
      ASSERT_GE(menu.listCount(), 1);
      ASSERT_LE(menu.listCount(), 4);
      ASSERT_EQ(ctx.menuLines[k], menu.listCount());
      int waitLines = 0;
      for (int p = 0; p < menu.listCount(); ++p) {
        const int code = menu.itemData(p);
        ASSERT_NE(code, kAnsatsu);
        ASSERT_EQ(menu.text(p), Strategy::name(code));
        ASSERT_EQ(ctx.menuStrategy[k][static_cast<std::size_t>(p)], code);
        waitLines += code == kTaiki ? 1 : 0;
        const int16 difficulty = ctx.param3[k][static_cast<std::size_t>(p)];
        if (code == kKoukin) {
          ASSERT_GE(ctx.param2[k][static_cast<std::size_t>(p)], 1);
          ASSERT_LE(ctx.param2[k][static_cast<std::size_t>(p)], 300);
        }
        if (code == kIminzoku) {
          ASSERT_GE(ctx.param2[k][static_cast<std::size_t>(p)], 2);
          ASSERT_LE(ctx.param2[k][static_cast<std::size_t>(p)], 12);
        }
        if (code == kHeiryoku) {
          ASSERT_GE(ctx.param2[k][static_cast<std::size_t>(p)], 10);
          ASSERT_LE(ctx.param2[k][static_cast<std::size_t>(p)], 20);
        }
        if (k == 0 && code != kTaiki) {
          ASSERT_GE(difficulty, 3);
          ASSERT_LE(difficulty, 7);
          ASSERT_TRUE(code == kJinzai || code == kKoukin || code == kIminzoku || code == kDoumeiSanka ||
                      code == kSensou || code == kGisen);
        }
        if (k > 0 && code == kDattai) {
          ASSERT_EQ(difficulty, cint(ctx.meishuKessoku[k] / 10.0));
        }
        if (k > 0 && code == kDoumeiSanka) {
          const int16 target = ctx.param1[k][static_cast<std::size_t>(p)];
          ASSERT_NE(target, 0);
          ASSERT_NE(target, ctx.meishu[k]);
        }
      }
      // "待機" is added as the last line exactly when fewer than three offers were dealt.
      if (waitLines == 1) {
        ASSERT_EQ(menu.itemData(menu.listCount() - 1), kTaiki);
        ASSERT_LE(menu.listCount(), 3);
        ++waits;
      } else {
        ASSERT_EQ(waitLines, 0);
        ASSERT_GE(menu.listCount(), 3);
      }
    }
  }
  EXPECT_EQ(waits, 0) << "with recruits available and every slot taken, four offers are always dealt";

  // Nobody to recruit and two free alliance slots: 人材募集 and 同盟参加 deal nothing.
  std::string busv = game.readText("ini/busv.ini");
  for (std::size_t at = busv.find("\r\n0,"); at != std::string::npos; at = busv.find("\r\n0,", at + 1)) {
    busv.replace(at, 4, "\r\n1,");
  }
  TextFile::write(game.dir(), "\\ini\\busv.ini", busv);
  ctx.meishu = {0, 1, 0, 0};
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    ctx.rng.fixSeed(seed);
    StrategyMenu(ctx, factions, menus).ld_Com_rtn();
    const ListBox& panel = menus[1];
    for (int p = 0; p < panel.listCount(); ++p) {
      ASSERT_NE(panel.itemData(p), kJinzai);
      ASSERT_NE(panel.itemData(p), kDoumeiSanka);
    }
    if (panel.itemData(panel.listCount() - 1) == kTaiki) {
      ASSERT_LE(panel.listCount(), 3);
      ++waits;
    }
  }
  EXPECT_GT(waits, 0);
}

TEST(YearEnd, PublicOrderGainsAreCappedAndOnlyWeakOfficersCauseScandals) {
  TempGameDir game;
  SyntheticData::install(game);
  GameContext ctx(game.dir());
  ctx.FACTION_MAX = 1;
  ctx.OFFICER_MAX = 4;
  // Ruler 1 (policy 7), a civil official with 8, a staff officer with 9, a general with 10 (not counted).
  game.writeText("ini/busv.ini",
                 ".1\n\"主\"\n7,5,5,5\n5,5\n1,5\n\"\"\n0\n"
                 ".2\n\"文\"\n8,5,5,5\n5,5\n1,1\n\"\"\n0\n"
                 ".3\n\"参\"\n9,5,5,5\n5,5\n1,3\n\"\"\n0\n"
                 ".4\n\"将\"\n10,5,5,5\n5,5\n1,4\n\"\"\n0\n");
  game.writeText("ini/gunsv.ini", ".1\n\"主軍\"\n0,1,50,5,50,80,50,50\n\"FALSE\"\n");
  StateFiles files(game.dir());
  auto rulers = files.loadFactionColumn(2, 1);
  PageTable report;
  for (std::uint64_t seed = 1; seed <= 5; ++seed) {
    game.writeText("ini/gunsv.ini", ".1\n\"主軍\"\n0,1,50,5,50,80,50,50\n\"FALSE\"\n");
    ctx.rng.fixSeed(seed);
    YearEnd(ctx, rulers, report).Policy_rtn();
    gun g;
    files.loadFaction(1, 1, g);
    EXPECT_EQ(g.tian, 92) << "3 + 4 + 5 = 12, and no policy above 5 ever causes a scandal";
  }
  EXPECT_EQ(report.page(0), "");
  game.writeText("ini/gunsv.ini", ".1\n\"主軍\"\n0,1,50,5,50,95,50,50\n\"FALSE\"\n");
  YearEnd(ctx, rulers, report).Policy_rtn();
  gun g;
  files.loadFaction(1, 1, g);
  EXPECT_EQ(g.tian, 100);
  EXPECT_TRUE(game.dir().exists("\\ini\\gunimg.ini")) << "saved by the single-record update";
}

TEST(YearEnd, PolicyFiveOfficersCauseScandalsAtTheExpectedRate) {
  TempGameDir game;
  SyntheticData::install(game);
  GameContext ctx(game.dir());
  ctx.FACTION_MAX = 1;
  ctx.OFFICER_MAX = 1;
  game.writeText("ini/busv.ini", ".1\n\"主\"\n1,5,5,5\n5,5\n1,5\n\"\"\n0\n");
  game.writeText("ini/gunsv.ini", ".1\n\"主軍\"\n0,1,50,5,50,60,50,50\n\"FALSE\"\n");
  StateFiles files(game.dir());
  auto rulers = files.loadFactionColumn(2, 1);
  int scandals = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    game.writeText("ini/gunsv.ini", ".1\n\"主軍\"\n0,1,50,5,50,60,50,50\n\"FALSE\"\n");
    ctx.rng.fixSeed(seed);
    PageTable report;
    YearEnd(ctx, rulers, report).Policy_rtn();
    gun g;
    files.loadFaction(1, 1, g);
    if (g.tian < 60) {
      ++scandals;
      EXPECT_NE(report.page(0).find("文11"), std::string::npos);
      EXPECT_NE(report.page(0).find("主軍"), std::string::npos);
      EXPECT_NE(report.page(0).find("主"), std::string::npos);
    }
  }
  // Policy 1 loses to a roll of 2..5: 4 of the 12 outcomes of Int(a×2)×Int(b×6).
  EXPECT_GT(scandals, 60);
  EXPECT_LT(scandals, 140);
}

TEST(YearEnd, ScandalRollIsZeroHalfTheTime) {
  Random rng;
  rng.fixSeed(11);
  int zeros = 0;
  for (int i = 0; i < 6000; ++i) {
    const int s = YearEnd::scandalRoll(rng);
    ASSERT_GE(s, 0);
    ASSERT_LE(s, 5);
    zeros += s == 0 ? 1 : 0;
  }
  EXPECT_NEAR(zeros / 6000.0, 7.0 / 12.0, 0.03);
}
