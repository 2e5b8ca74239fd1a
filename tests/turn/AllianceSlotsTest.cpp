#include <gtest/gtest.h>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "turn/AllianceSlots.h"
#include "support/SyntheticData.h"
#include "support/Records.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;
using velkaro::test::faction;

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
