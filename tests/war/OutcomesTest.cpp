#include <gtest/gtest.h>

#include "support/ResolutionTable.h"
#include "war/Outcomes.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Faction 1 (ruler 1, strategist 2) beat faction 2 (ruler 11 and officers 12, 13).
struct OutcomeTable : ResolutionTable {
  OutcomeTable() {
    faction({.id = 1, .name = "勝", .kunshu = 1, .army = 100, .seihei = 10, .meisei = 50, .tian = 60, .kessoku = 50, .ifu = 20});
    faction({.id = 2, .name = "敗", .kunshu = 11, .army = 100, .seihei = 30, .meisei = 50, .tian = 60, .kessoku = 60, .ifu = 20});
    officer({.id = 1, .kunID = 1, .job = 5});
    officer({.id = 2, .name = "参謀甲", .kunID = 1, .job = 6, .policy = 8, .tactics = 9});
    officer({.id = 11, .kunID = 11, .job = 5, .setu = 0});
    officer({.id = 12, .name = "臆病", .kunID = 11, .job = 1, .setu = 20});
    officer({.id = 13, .name = "小心", .kunID = 11, .job = 1, .setu = 20});
  }
  gun& winner() { return board.factions[1]; }
  gun& loser() { return board.factions[2]; }
  const Bushou& strategist() { return board.officers[2]; }
  const Bushou& nobody() { return board.officers[0]; }
};

}  // namespace

TEST(Outcomes, WithoutStrategistVictoryTakesTenAndDefeatCostsFifteenPercent) {
  OutcomeTable t;
  Outcomes o(t.board);
  o.Shouri_rtn(t.winner(), t.loser(), t.nobody(), false);
  EXPECT_EQ(t.winner().army, 110);
  o.Haiboku_rtn(t.loser(), t.nobody(), t.winner());
  EXPECT_EQ(t.loser().army, 85);
}

TEST(Outcomes, StrategistWithPolicyEightTacticsNineGainsTwentySixLosesFortyOne) {
  OutcomeTable t;
  Outcomes o(t.board);
  o.Shouri_rtn(t.winner(), t.loser(), t.strategist(), false);
  EXPECT_EQ(t.winner().army, 126);
  // Absorbed troops dilute public order: Int(60 × (1 − 26 / 126)).
  EXPECT_EQ(t.winner().tian, 47);
  EXPECT_EQ(t.winner().meisei, 60);
  EXPECT_EQ(t.winner().kessoku, 60);
  EXPECT_EQ(t.winner().ifu, 25);

  o.Haiboku_rtn(t.loser(), t.strategist(), t.winner());
  // 17 × 1.5 + 10 = 35.5, rounded to the even 36, plus 5.
  EXPECT_EQ(t.loser().army, 59);
  EXPECT_EQ(t.loser().seihei, 20);
  EXPECT_EQ(t.loser().meisei, 40);
  EXPECT_EQ(t.loser().tian, 30);
  EXPECT_EQ(t.loser().kessoku, 40);
}

TEST(Outcomes, AfterASurrenderThePercentagesSwapRoles) {
  OutcomeTable t;
  Outcomes o(t.board);
  o.Shouri_rtn(t.winner(), t.loser(), t.strategist(), true);
  EXPECT_EQ(t.winner().army, 136);  // (9 + 8) × 1.5 + 10 = 35.5 → 36 %
  o.Haiboku_rtn2(t.loser(), t.strategist(), t.winner());
  EXPECT_EQ(t.loser().army, 74);  // 8 × 2 + 10 = 26 % lost
  EXPECT_EQ(t.loser().seihei, 20);
  EXPECT_EQ(t.loser().meisei, 30);
  EXPECT_EQ(t.loser().kessoku, 30);
  EXPECT_EQ(t.loser().tian, 60);
}

TEST(Outcomes, VictoryCapsFameCohesionAndAwe) {
  OutcomeTable t;
  t.winner().meisei = 195;
  t.winner().kessoku = 95;
  t.winner().ifu = 98;
  Outcomes(t.board).Shouri_rtn(t.winner(), t.loser(), t.nobody(), false);
  EXPECT_EQ(t.winner().meisei, 200);
  EXPECT_EQ(t.winner().kessoku, 100);
  EXPECT_EQ(t.winner().ifu, 100);
}

TEST(Outcomes, VictoryWithNoArmyAtAllLeavesPublicOrderAsItIs) {
  OutcomeTable t;
  t.winner().army = 0;
  t.loser().army = 0;
  Outcomes(t.board).Shouri_rtn(t.winner(), t.loser(), t.strategist(), false);
  EXPECT_EQ(t.winner().army, 0);
  EXPECT_EQ(t.winner().tian, 60);
}

TEST(Outcomes, SpoilsBeyondSixteenBitsSaturate) {
  OutcomeTable t;
  t.winner().army = 32000;
  t.loser().army = 30000;
  Outcomes(t.board).Shouri_rtn(t.winner(), t.loser(), t.strategist(), false);
  EXPECT_EQ(t.winner().army, 32767);
  // 26 % of 30000 = 7800 absorbed into the saturated 32767.
  EXPECT_EQ(t.winner().tian, 45);
}

TEST(Outcomes, DrawCostsBothAQuarterButNeitherFameNorCohesion) {
  OutcomeTable t;
  Outcomes(t.board).Hikiwake_rtn(t.winner(), t.loser());
  EXPECT_EQ(t.winner().army, 75);
  EXPECT_EQ(t.winner().seihei, 7);
  EXPECT_EQ(t.winner().tian, 45);
  EXPECT_EQ(t.loser().seihei, 22);
  EXPECT_EQ(t.winner().meisei, 50);
  EXPECT_EQ(t.loser().kessoku, 60);
  EXPECT_TRUE(t.texts().empty());
}

TEST(Outcomes, SurrenderingAllianceLeaderOnlyGetsText57) {
  OutcomeTable t;
  t.loser().meishuID = 11;
  t.winner().meishuID = 1;
  Outcomes(t.board).Kouhuku_rtn(t.winner(), t.loser());
  EXPECT_EQ(t.loser().meishuID, 11);
  EXPECT_EQ(t.texts(), std::vector<int>{57});
  EXPECT_EQ(t.shown(57), "敗｜勝");
}

TEST(Outcomes, SurrenderToAVictorInNoAllianceMakesTheFactionIndependent) {
  OutcomeTable t;
  t.loser().meishuID = 31;
  Outcomes(t.board).Kouhuku_rtn(t.winner(), t.loser());
  EXPECT_EQ(t.loser().meishuID, 0);
  EXPECT_EQ(t.shown(41), "敗｜独立軍閥");
}

TEST(Outcomes, SurrenderToAnAllianceNamesItsLeader) {
  OutcomeTable t;
  t.officer({.id = 21, .name = "盟主丙", .kunID = 21, .job = 5});
  t.winner().meishuID = 21;
  Outcomes(t.board).Kouhuku_rtn(t.winner(), t.loser());
  EXPECT_EQ(t.loser().meishuID, 21);
  EXPECT_EQ(t.shown(41), "敗｜盟主丙");
}

TEST(Outcomes, DeserterJoinsTheWinningFactionAndItsRulerEvenWithoutStrategist) {
  OutcomeTable t;
  // A winner whose id and ruler differ, so the two fields cannot be confused.
  t.faction({.id = 3, .name = "覇", .kunshu = 5});
  t.officer({.id = 5, .kunID = 5, .job = 5});
  t.loser().kessoku = 0;
  t.board.officers[12].Setu = 1;
  t.board.officers[13].Setu = 1;
  // Every draw is at least 2, beating restraint 1; the ruler (id 11) is passed over.
  t.zeros(20);
  Outcomes(t.board).Haiboku_rtn(t.loser(), t.nobody(), t.board.factions[3]);
  const Bushou& first = t.board.officers[12];
  EXPECT_EQ(first.gunID, 3);
  EXPECT_EQ(first.kunID, 5);
  EXPECT_EQ(t.shown(13), "臆病｜覇");
  // The second draw lists 11 and 13 only: 13 leaves to serve nobody.
  EXPECT_EQ(t.shown(37), "小心｜覇");
  EXPECT_EQ(t.board.officers[13].kunID, 0);
  EXPECT_EQ(t.board.officers[13].gunID, 0);
  EXPECT_EQ(t.board.officers[11].kunID, 11);
  EXPECT_EQ(t.texts(), (std::vector<int>{13, 37}));
}

TEST(Outcomes, DeserterGoesOverToTheWinningStrategistsRuler) {
  OutcomeTable t;
  t.loser().kessoku = 0;
  t.board.officers[12].Setu = 1;
  t.zeros(20);
  Outcomes(t.board).Haiboku_rtn2(t.loser(), t.strategist(), t.winner());
  EXPECT_EQ(t.board.officers[12].gunID, 1);
  EXPECT_EQ(t.board.officers[12].kunID, 1);
  EXPECT_EQ(t.shown(13), "臆病｜勝");
  // 13 keeps his post: restraint 20 cannot be beaten.
  EXPECT_EQ(t.board.officers[13].kunID, 11);
}

TEST(Outcomes, LoyalOfficersAndALoneRulerNeverDesert) {
  OutcomeTable t;
  Outcomes(t.board).Haiboku_rtn(t.loser(), t.strategist(), t.winner());
  EXPECT_TRUE(t.texts().empty());

  OutcomeTable alone;
  alone.board.officers[12].kunID = 0;
  alone.board.officers[13].kunID = 0;
  alone.derive();
  const auto before = alone.ctx.rng.drawCount();
  Outcomes(alone.board).Haiboku_rtn(alone.loser(), alone.strategist(), alone.winner());
  EXPECT_EQ(alone.ctx.rng.drawCount(), before);
  EXPECT_EQ(alone.board.officers[11].gunID, 2);
}
