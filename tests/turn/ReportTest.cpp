#include <gtest/gtest.h>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "turn/Report.h"
#include "support/SyntheticData.h"
#include "support/Records.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;
using velkaro::test::faction;

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
