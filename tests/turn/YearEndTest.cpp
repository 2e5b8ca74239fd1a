#include <gtest/gtest.h>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "turn/YearEnd.h"
#include "support/SyntheticData.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

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

TEST(YearEnd, PolicyOneOfficerCausesScandalsAtTheExpectedRate) {
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

TEST(YearEnd, ScandalRollIsZeroSevenTimesInTwelve) {
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
