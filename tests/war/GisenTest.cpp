#include <gtest/gtest.h>

#include <algorithm>

#include "support/ResolutionTable.h"
#include "war/Battle.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Faction 1 "義" (ruler 1) wages a righteous war against faction 2 "賊" (ruler 11).
struct GisenTable : ResolutionTable {
  GisenTable() {
    faction({.id = 1, .name = "義", .kunshu = 1, .army = 91, .seihei = 10, .tian = 100});
    faction({.id = 2, .name = "賊", .kunshu = 11, .army = 100, .seihei = 10, .tian = 100});
    officer({.id = 1, .kunID = 1, .job = 5});
    officer({.id = 11, .kunID = 11, .job = 5});
  }
  void clerks(int ruler, int firstId, int count) {
    for (int i = 0; i < count; ++i) officer({.id = firstId + i, .kunID = ruler, .job = 1, .policy = 10, .setu = 30});
  }
  // Commander score (all draws 0) = tactics + charm + 2.
  void commander(int id, int tactics, int charm) {
    board.officers[id].tactics = static_cast<int16>(tactics);
    board.officers[id].charm = static_cast<int16>(charm);
  }
  gun& g1() { return board.factions[1]; }
  gun& g2() { return board.factions[2]; }
};

}  // namespace

TEST(Gisen, WagingSidesTotalIsRaisedByAFifth) {
  GisenTable t;
  t.zeros(200);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  EXPECT_EQ(b.sides()[0].total, 121);  // 101 × 1.2
  EXPECT_EQ(b.sides()[1].total, 110);
  EXPECT_EQ(t.shown(34), "義の総兵力は 121｜賊軍のそれは 110");
}

TEST(Gisen, WagingMoraleIsUncappedAndTheOpposingSideLosesATenth) {
  GisenTable t;
  t.commander(1, 8, 10);
  t.clerks(1, 40, 8);  // 100 + 5 × 20 + 5 × 10 + 80 = 330
  t.commander(11, 8, 10);
  t.clerks(11, 70, 5);  // 300 → 270, capped with its opening value at 250
  t.zeros(200);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  EXPECT_EQ(b.sides()[0].M0, 330);
  EXPECT_EQ(b.sides()[1].M0, 250);
  EXPECT_NE(t.narration().find("義の士気 330 賊の士気 250"), std::string::npos);
}

TEST(Gisen, OpposingMoraleBelowTheCapKeepsItsOpeningValue) {
  GisenTable t;
  t.commander(11, 4, 4);
  t.clerks(11, 70, 3);  // 100 + 50 + 20 + 30 = 200 → 180, opening value 200
  t.zeros(200);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  EXPECT_EQ(b.sides()[1].M0, 200);
  EXPECT_NE(t.narration().find("賊の士気 180\r\n"), std::string::npos);
}

TEST(Gisen, WagingPlannerNeverChoosesSurpriseOrProtractedWar) {
  GisenTable t;
  t.g1().seihei = 20000;  // surprise would be worth millions
  t.officer({.id = 2, .kunID = 1, .job = 6, .wisdom = 10, .tactics = 10});
  t.officer({.id = 3, .kunID = 1, .job = 4, .tactics = 10});
  t.clerks(1, 40, 15);
  t.zeros(400);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  EXPECT_EQ(b.planner(), 0);
  EXPECT_TRUE(b.plan() == 1 || b.plan() == 3 || b.plan() == 4 || b.plan() == 5) << b.plan();
  const auto texts = t.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), 17), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), 40), 0);
}

TEST(Gisen, OpposingPlannerMayChooseSurpriseButNeverAnOverwhelmingAdvance) {
  GisenTable t;
  t.g2().seihei = 20000;
  t.g2().army = 900;
  t.officer({.id = 12, .kunID = 11, .job = 6, .wisdom = 10, .tactics = 10});
  t.officer({.id = 13, .kunID = 11, .job = 4, .tactics = 10});
  t.clerks(11, 70, 15);
  t.zeros(400);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  EXPECT_EQ(b.planner(), 1);
  EXPECT_EQ(b.plan(), 2);
}

TEST(Gisen, FrontalAttackValueIsFormedWideBeforeTheHalving) {
  GisenTable t;
  t.g1().seihei = 20000;
  t.commander(1, 10, 10);  // 22 against 12
  t.zeros(400);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  ASSERT_EQ(b.planner(), 0);
  // (22 + 1 − 12 − 1) × (20091 + 1) = 200920, beyond 16 bits; halved 100460.
  EXPECT_EQ(b.plan(), 1);
  EXPECT_FLOAT_EQ(b.planValue(), 100460.0f);
}

TEST(Gisen, DecidedRighteousWarTakesTheFieldBattlePath) {
  GisenTable t;
  t.g1().army = 900;
  t.commander(1, 10, 10);
  t.clerks(1, 40, 10);
  t.board.officers[1].name = "義公";
  t.zeros(400);
  Battle b(t.board);
  b.Gisen_rtn(t.g1(), t.g2());
  ASSERT_EQ(b.verdict(), 1);
  const auto texts = t.texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), 41), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), 57), 0);
  EXPECT_EQ(t.shown(42), "大将義公｜ 1.5");  // no strategist: the commander, (0 + 0 + 15) / 10
  EXPECT_EQ(t.g1().army, 910);       // 10 % of 100
  EXPECT_EQ(t.g2().army, 85);        // 15 % lost
  EXPECT_EQ(t.g2().meishuID, 0);
}
