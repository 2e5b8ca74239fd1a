#include <gtest/gtest.h>

#include "resolution/Campaigns.h"
#include "support/ResolutionTable.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Faction 1 "魏" (ruler 1, envoy 2) acts; faction 2 "呉" (ruler 11) is the other side;
// officer 50 serves nobody.
struct CampaignTable : ResolutionTable {
  CampaignTable() {
    faction({.id = 1, .name = "魏", .kunshu = 1, .army = 60, .meisei = 50, .tian = 50, .kessoku = 50, .ifu = 10});
    faction({.id = 2, .name = "呉", .kunshu = 11, .army = 29, .meisei = 50, .kessoku = 60});
    officer({.id = 1, .name = "曹操", .kunID = 1, .job = 5, .charm = 5});
    officer({.id = 2, .name = "使者", .kunID = 1, .job = 3, .policy = 6, .fight = 7, .wisdom = 10, .tactics = 6, .charm = 5});
    officer({.id = 11, .name = "孫権", .kunID = 11, .job = 5, .setu = 0});
    officer({.id = 50, .name = "在野", .kunID = 0, .charm = 1});
  }
  StrategyLine line(int code, int param1, int param2, int param3, int roll) const {
    StrategyLine s;
    s.code = code;
    s.param1 = static_cast<int16>(param1);
    s.param2 = static_cast<int16>(param2);
    s.param3 = static_cast<int16>(param3);
    s.actor = 2;
    s.best = 20;
    s.roll = roll;
    return s;
  }
  gun& wei() { return board.factions[1]; }
  gun& wu() { return board.factions[2]; }
  Bushou& free() { return board.officers[50]; }
};

}  // namespace

TEST(Recruit, AWillingOfficerAlwaysJoins) {
  CampaignTable t;
  t.ctx.rng.queueDraws({0.5});  // 0.5 × 5 / 3 < 1: willing
  Campaigns(t.board).recruit(t.line(1, 50, 0, 5, 12));
  EXPECT_EQ(t.texts(), (std::vector<int>{48, 1}));
  EXPECT_EQ(t.shown(1), "使者｜在野が魏");
  EXPECT_EQ(t.free().kunID, 1);
  EXPECT_EQ(t.free().gunID, 1);
}

TEST(Recruit, AHesitantOfficerIsWonByStandingOnly) {
  // (fame − awe) / 7 against roll − 5, as a real division: 6 / 7 < 1 but 7 / 7 = 1.
  CampaignTable t;
  t.wei().meisei = 16;
  t.ctx.rng.queueDraws({0.7});
  Campaigns(t.board).recruit(t.line(1, 50, 0, 5, 6));
  EXPECT_EQ(t.texts(), (std::vector<int>{47, 21}));
  EXPECT_EQ(t.shown(47), "使者｜在野は魏");
  EXPECT_EQ(t.free().kunID, 0);

  CampaignTable u;
  u.wei().meisei = 17;
  u.ctx.rng.queueDraws({0.7});
  Campaigns(u.board).recruit(u.line(1, 50, 0, 5, 6));
  EXPECT_EQ(u.texts(), (std::vector<int>{47, 1}));
  EXPECT_EQ(u.free().kunID, 1);
}

TEST(Recruit, NobodyToSendPrintsOnlyWhenSomebodyTried) {
  CampaignTable t;
  StrategyLine s = t.line(1, 50, 0, 5, 6);
  s.actor = 0;
  Campaigns(t.board).recruit(s);
  EXPECT_TRUE(t.texts().empty());
  s.lastFailure = 2;
  t.ctx.msgParam1 = "前";
  Campaigns(t.board).recruit(s);
  EXPECT_EQ(t.shown(52), "前｜在野");
}

TEST(RaiseTroops, LendingNothingStillRaisesTheLendersFameAndPrintsBothPhrases) {
  CampaignTable t;
  t.wu().meisei = 198;
  Campaigns(t.board).raiseTroops(t.line(2, 2, 0, 2, 2));
  EXPECT_EQ(t.wu().meisei, 200);
  EXPECT_EQ(t.wu().army, 29);
  EXPECT_EQ(t.wei().army, 60);
  EXPECT_EQ(t.shown(2), "使者｜魏の名声により 0000が魏");
  EXPECT_NE(t.narration().find("\r\n兵を貸した呉の名声も上がった。\r\n"), std::string::npos);
}

TEST(RaiseTroops, LentTroopsAreAWholePercentageOfTheLendersArmy) {
  CampaignTable t;
  Campaigns(t.board).raiseTroops(t.line(2, 2, 100, 2, 2));
  // 29 / 100 × 100 in single precision is 29, not 28.999….
  EXPECT_EQ(t.wu().army, 0);
  EXPECT_EQ(t.wei().army, 89);
  EXPECT_EQ(t.wu().meisei, 55);
}

TEST(RaiseTroops, FailureAndOwnFaction) {
  CampaignTable t;
  Campaigns(t.board).raiseTroops(t.line(2, 2, 15, 9, 12));  // 5 + 6 < 21
  EXPECT_EQ(t.texts(), std::vector<int>{22});
  Campaigns(t.board).raiseTroops(t.line(2, 1, 15, 2, 2));
  EXPECT_EQ(t.texts(), (std::vector<int>{22, 53}));
  EXPECT_EQ(t.wei().army, 60);
}

TEST(Subvert, CohesionFallsAndOnlyDisloyalNonRulersDefect) {
  CampaignTable t;
  t.officer({.id = 12, .name = "離反", .kunID = 11, .setu = 12});
  t.officer({.id = 13, .name = "忠臣", .kunID = 11, .setu = 13});
  t.officer({.id = 14, .name = "寝返", .kunID = 11, .setu = 1});
  // The highest draws: a = 14, b = 100, for every officer of 呉 in id order.
  t.ctx.rng.queueDraws(std::deque<double>(16, 0.999));
  Campaigns(t.board).subvert(t.line(3, 2, 0, 5, 6));
  // (25 − 10) / 25 × 60
  EXPECT_EQ(t.wu().kessoku, 36);
  EXPECT_EQ(t.shown(3), "使者｜呉陣営の結束が 36");
  EXPECT_EQ(t.shown(13), "離反、寝返、｜魏");
  EXPECT_EQ(t.board.officers[12].kunID, 1);
  EXPECT_EQ(t.board.officers[12].gunID, 1);
  EXPECT_EQ(t.board.officers[14].gunID, 1);
  EXPECT_EQ(t.board.officers[13].gunID, 2);
  EXPECT_EQ(t.board.officers[11].gunID, 2);  // the ruler never defects
}

TEST(Subvert, WithEveryOfficerLoyalOnlyTheCohesionIsReported) {
  CampaignTable t;
  t.officer({.id = 12, .kunID = 11, .setu = 13});
  Campaigns(t.board).subvert(t.line(3, 2, 0, 5, 6));
  EXPECT_EQ(t.texts(), std::vector<int>{3});
}

TEST(Subvert, NoActorOwnFactionAndTheFailedOfficerOfTheTarget) {
  CampaignTable t;
  StrategyLine s = t.line(3, 2, 0, 5, 6);
  s.actor = 0;
  s.lastFailure = 11;  // serves the target itself: nothing
  Campaigns(t.board).subvert(s);
  EXPECT_TRUE(t.texts().empty());
  s.lastFailure = 2;
  Campaigns(t.board).subvert(s);
  EXPECT_EQ(t.shown(23), "使者｜呉");
  Campaigns(t.board).subvert(t.line(3, 1, 0, 5, 6));
  EXPECT_EQ(t.texts(), (std::vector<int>{23, 33}));
  EXPECT_EQ(t.wei().kessoku, 50);
}

TEST(YellowTurbans, FameStepsMayPass200AndAweStopsGrowingAt100) {
  CampaignTable t;
  t.wei().meisei = 199;
  t.wei().ifu = 99;
  t.zeros(10);
  Campaigns(t.board).yellowTurbans(t.line(4, 50, 30, 2, 2));
  EXPECT_EQ(t.wei().meisei, 202);
  EXPECT_EQ(t.wei().ifu, 100);
  EXPECT_EQ(t.wei().army, 90);
  EXPECT_EQ(t.texts(), (std::vector<int>{4, 14, 1}));
  EXPECT_EQ(t.shown(14), "魏｜ 30000が魏");
  EXPECT_EQ(t.shown(1), "曹操｜在野が魏");  // won over by the ruler
  EXPECT_EQ(t.free().kunID, 1);
}

TEST(YellowTurbans, TroopsNotAbsorbedAndTheLeaderHides) {
  CampaignTable t;
  t.wei().tian = 0;
  t.free().charm = 20;
  t.zeros(10);
  Campaigns(t.board).yellowTurbans(t.line(4, 50, 30, 2, 2));  // 0 + 2 < 10
  EXPECT_EQ(t.texts(), (std::vector<int>{4, 24}));
  EXPECT_EQ(t.wei().army, 60);
  EXPECT_EQ(t.wei().meisei, 53);
  EXPECT_NE(t.narration().find("在野は身を隠したようだった。\r\n\r\n"), std::string::npos);
}

TEST(YellowTurbans, DefeatAndAnOfferWithoutLeader) {
  CampaignTable t;
  StrategyLine s = t.line(4, 50, 30, 12, 12);
  s.best = 23;  // 23 < 24 and tactics 6 is not above it
  Campaigns(t.board).yellowTurbans(s);
  EXPECT_EQ(t.texts(), std::vector<int>{43});

  CampaignTable u;
  u.zeros(10);
  Campaigns(u.board).yellowTurbans(u.line(4, 0, 30, 2, 2));
  EXPECT_EQ(u.texts(), (std::vector<int>{4, 14}));
  EXPECT_EQ(u.board.officers[0].kunID, 0);
  EXPECT_EQ(u.narration().find("身を隠した"), std::string::npos);
}

TEST(YellowTurbans, TacticsMustBeAboveTheBarNotLevelWithIt) {
  for (const auto& [tactics, beaten] : {std::pair{12, true}, std::pair{13, false}}) {
    CampaignTable t;
    t.board.officers[2].tactics = static_cast<int16>(tactics);
    StrategyLine s = t.line(4, 50, 30, 6, 6);  // the bar is 12
    s.best = 11;
    t.zeros(20);
    Campaigns(t.board).yellowTurbans(s);
    EXPECT_EQ(t.texts() == std::vector<int>{43}, beaten) << "tactics " << tactics;
  }
}

TEST(Subvert, AnOfficerDefectsOnlyWhenTheDrawPassesThreeFifthsOfCohesionPlusForty) {
  // After the subversion 呉's cohesion is 36: the bar is 36 × 3 / 5 + 40 = 61.6.
  for (const auto& [second, defects] : {std::pair{30, true}, std::pair{29, false}}) {
    CampaignTable t;
    t.officer({.id = 12, .name = "離反", .kunID = 11, .setu = 1});
    // The ruler's four draws, then 12's: a = 7 + 7 = 14, b = 30 + second + 2.
    t.draws({{0, 8}, {0, 8}, {0, 50}, {0, 50}, {7, 8}, {7, 8}, {30, 50}, {second, 50}});
    Campaigns(t.board).subvert(t.line(3, 2, 0, 5, 6));
    ASSERT_EQ(t.wu().kessoku, 36);
    EXPECT_EQ(t.board.officers[12].gunID == 1, defects) << "draw " << 32 + second;
  }
}

TEST(BorderPeoples, EliteTroopsFameAweAndPublicOrderNotBelowZero) {
  CampaignTable t;
  t.wei().tian = 3;
  t.zeros(10);
  Campaigns(t.board).borderPeoples(t.line(5, 50, 7, 2, 2));
  // Int(7 × 6 / 10) = 4 elite troops.
  EXPECT_EQ(t.wei().seihei, 9);
  EXPECT_EQ(t.wei().tian, 0);
  EXPECT_EQ(t.wei().meisei, 54);  // 3 for the fight check, 1 always
  EXPECT_EQ(t.wei().ifu, 16);
  EXPECT_EQ(t.texts(), (std::vector<int>{5, 46, 15, 1}));
  EXPECT_EQ(t.shown(15), "使者｜ 4000が魏");
  EXPECT_EQ(t.shown(1), "使者｜在野が魏");
}

TEST(BorderPeoples, NobodyAbleNamesTheLastFailure) {
  CampaignTable t;
  StrategyLine s = t.line(5, 50, 7, 2, 2);
  s.actor = 0;
  Campaigns(t.board).borderPeoples(s);
  EXPECT_TRUE(t.texts().empty());
  s.lastFailure = 11;
  Campaigns(t.board).borderPeoples(s);
  EXPECT_EQ(t.shown(43).rfind("孫権｜", 0), 0u);
}
