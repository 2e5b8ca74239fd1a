#include <gtest/gtest.h>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "turn/ComputerChoice.h"
#include "turn/Strategy.h"
#include "support/SyntheticData.h"
#include "support/Records.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;
using velkaro::test::faction;

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
