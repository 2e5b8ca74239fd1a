#include <gtest/gtest.h>

#include "support/ResolutionTable.h"
#include "war/BattleRoles.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Faction 1 ruled by officer 1; the tests add its staff.
struct RolesTable : ResolutionTable {
  RolesTable() {
    faction({.id = 1, .kunshu = 1});
    officer({.id = 1, .kunID = 1, .job = 5, .fight = 6, .tactics = 4, .charm = 4});
  }
  gun& g() { return board.factions[1]; }
};

}  // namespace

TEST(BattleRoles, CommanderTieKeepsTheLowerIdAndOnlyEligiblePostsDraw) {
  RolesTable t;
  t.officer({.id = 2, .kunID = 1, .job = 4, .tactics = 5, .charm = 5});
  t.officer({.id = 3, .kunID = 1, .job = 1, .tactics = 10, .charm = 10});  // 文官: never commands
  t.officer({.id = 4, .kunID = 1, .job = 6, .tactics = 5, .charm = 5});
  t.officer({.id = 5, .kunID = 9, .job = 4, .tactics = 10, .charm = 10});  // another ruler's man
  // ruler 4+4+0+0+2 = 10, officer 2: 5+5+1+1+2 = 14, officer 4: the same 14.
  t.draws({{0, 3}, {0, 3}, {1, 3}, {1, 3}, {1, 3}, {1, 3}});
  BattleRoles roles(t.board);
  const RolePick c = roles.Taishou_rtn(t.g());
  EXPECT_EQ(c.id, 2);
  EXPECT_EQ(c.score, 14);
  EXPECT_EQ(roles.scoreRegister(), 14);
  EXPECT_EQ(t.ctx.rng.queuedDraws(), 0u);
  EXPECT_EQ(t.ctx.rng.drawCount(), 6u);
}

TEST(BattleRoles, StrategistScoreOfAGeneralIsRoundedToEvenBeforeLaterComparisons) {
  // Two generals with the same x.5 score: 12.5 is stored as 12, so the second one displaces
  // the first; 13.5 is stored as 14, so it does not.
  {
    RolesTable t;
    t.officer({.id = 2, .kunID = 1, .job = 4, .wisdom = 5, .tactics = 8});
    t.officer({.id = 3, .kunID = 1, .job = 4, .wisdom = 5, .tactics = 8});
    t.zeros(4);
    const RolePick s = BattleRoles(t.board).Gunsi_rtn(t.g());
    EXPECT_EQ(s.id, 3);
    EXPECT_EQ(s.score, 12);
  }
  {
    RolesTable t;
    t.officer({.id = 2, .kunID = 1, .job = 4, .wisdom = 7, .tactics = 8});
    t.officer({.id = 3, .kunID = 1, .job = 4, .wisdom = 7, .tactics = 8});
    t.zeros(4);
    const RolePick s = BattleRoles(t.board).Gunsi_rtn(t.g());
    EXPECT_EQ(s.id, 2);
    EXPECT_EQ(s.score, 14);
  }
}

TEST(BattleRoles, StrategistCandidatesAndRanges) {
  RolesTable t;
  t.officer({.id = 2, .kunID = 1, .job = 6, .wisdom = 8, .tactics = 6});  // 軍師: 16..20
  t.officer({.id = 3, .kunID = 1, .job = 2, .wisdom = 10, .tactics = 10});  // 武官: no
  t.officer({.id = 4, .kunID = 1, .job = 3, .wisdom = 9, .tactics = 9});    // 参謀: 20..24
  t.draws({{2, 3}, {2, 3}, {0, 3}, {0, 3}});
  const RolePick s = BattleRoles(t.board).Gunsi_rtn(t.g());
  // 20 for the 軍師, then the 参謀's 20 is not strictly greater.
  EXPECT_EQ(s.id, 2);
  EXPECT_EQ(s.score, 20);
}

TEST(BattleRoles, RulerAloneCommandsAndDuelsButIsNoStrategistOrGeneral) {
  RolesTable t;
  t.zeros(10);
  BattleRoles roles(t.board);
  EXPECT_EQ(roles.Taishou_rtn(t.g()).id, 1);
  const RolePick s = roles.Gunsi_rtn(t.g());
  EXPECT_EQ(s.id, 0);
  EXPECT_EQ(roles.scoreRegister(), 0);
  EXPECT_EQ(roles.Shougun_rtn(t.g()).id, 0);
  const RolePick c = roles.Ikki_rtn(t.g());
  EXPECT_EQ(c.id, 1);
  EXPECT_EQ(c.score, 7);  // fight 6 + 0 + 1
  EXPECT_EQ(roles.Ttl_Shou_rtn(t.g()), 1);
  EXPECT_EQ(roles.Ttl_Fgt_rtn(t.g()), 1);
}

TEST(BattleRoles, ChampionComesFromGeneralsRulerAndMilitaryOfficersOnly) {
  RolesTable t;
  t.officer({.id = 2, .kunID = 1, .job = 2, .fight = 9});   // 武官
  t.officer({.id = 3, .kunID = 1, .job = 6, .fight = 10});  // 軍師: no
  t.zeros(4);
  EXPECT_EQ(BattleRoles(t.board).Ikki_rtn(t.g()).id, 2);
}

TEST(BattleRoles, StaffTotalsSumTheirPostsAndNeverFallBelowOne) {
  RolesTable t;
  t.officer({.id = 2, .kunID = 1, .job = 1, .policy = 7, .fight = 2, .tactics = 3});  // 文官
  t.officer({.id = 3, .kunID = 1, .job = 3, .policy = 4, .fight = 2, .tactics = 6});  // 参謀
  t.officer({.id = 4, .kunID = 1, .job = 4, .policy = 2, .fight = 9, .tactics = 8});  // 将軍
  t.officer({.id = 5, .kunID = 1, .job = 6, .policy = 5, .fight = 1, .tactics = 7});  // 軍師
  t.officer({.id = 6, .kunID = 1, .job = 2, .policy = 9, .fight = 9, .tactics = 9});  // 武官
  BattleRoles roles(t.board);
  EXPECT_EQ(roles.Ttl_Shou_rtn(t.g()), 8);
  EXPECT_EQ(roles.Ttl_Fgt_rtn(t.g()), 9);
  EXPECT_EQ(roles.Ttl_Plc_rtn(t.g()), 7 + 4 + 2 + 5);
  EXPECT_EQ(roles.Ttl_Wis_rtn(t.g()), 6 + 8 + 7);
  EXPECT_EQ(roles.scoreRegister(), 21);

  RolesTable empty;
  EXPECT_EQ(BattleRoles(empty.board).Ttl_Plc_rtn(empty.g()), 1);
  EXPECT_EQ(BattleRoles(empty.board).Ttl_Wis_rtn(empty.g()), 1);
}

TEST(BattleRoles, FictionalOfficersUpToTheMaximumTakePartAndNoneBeyond) {
  RolesTable t;
  t.officer({.id = 170, .kunID = 1, .job = 4, .tactics = 9});
  t.officer({.id = 171, .kunID = 1, .job = 4, .tactics = 10});
  t.board.officers[171].gunID = 1;
  t.zeros(4);
  EXPECT_EQ(BattleRoles(t.board).Shougun_rtn(t.g()).id, 170);
}
