#include <gtest/gtest.h>

#include "resolution/Diplomacy.h"
#include "support/ResolutionTable.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Alliance 1 is led by 魏 (ruler 1) with 蜀 (ruler 11); alliance 2 by 呉 (ruler 21);
// 燕 (ruler 31) is independent. Officer 2 serves 蜀 and acts.
struct AllianceTable : ResolutionTable {
  AllianceTable() {
    faction({.id = 1, .name = "魏", .kunshu = 1, .meishu = 1, .meisei = 60, .kessoku = 60, .ifu = 20, .panel = 1});
    faction({.id = 2, .name = "蜀", .kunshu = 11, .meishu = 1, .meisei = 60, .kessoku = 60, .ifu = 20, .panel = 1});
    faction({.id = 3, .name = "呉", .kunshu = 21, .meishu = 21, .meisei = 60, .panel = 2});
    faction({.id = 4, .name = "燕", .kunshu = 31, .meishu = 0, .meisei = 60, .panel = 0});
    officer({.id = 1, .name = "曹操", .kunID = 1, .job = 5});
    officer({.id = 11, .name = "劉備", .kunID = 11, .job = 5});
    officer({.id = 2, .name = "孔明", .kunID = 11, .job = 6, .policy = 7});
    officer({.id = 21, .name = "孫権", .kunID = 21, .job = 5});
    officer({.id = 31, .name = "公孫", .kunID = 31, .job = 5, .policy = 4});
    ctx.meishuKessoku = {30, 50, 45, 0};
  }
  StrategyLine line(int code, int actor, int param1, int param3, int best = 15, int roll = 7) const {
    StrategyLine s;
    s.code = code;
    s.actor = static_cast<int16>(actor);
    s.best = static_cast<int16>(best);
    s.param1 = static_cast<int16>(param1);
    s.param3 = static_cast<int16>(param3);
    s.roll = roll;
    return s;
  }
  gun& f(int id) { return board.factions[id]; }
};

}  // namespace

TEST(Mediate, FameAndThePanelsCohesionRiseToTheirCaps) {
  AllianceTable t;
  t.f(2).meisei = 195;
  t.ctx.meishuKessoku[1] = 96;
  Diplomacy(t.board).mediate(t.line(6, 2, 0, 8));
  EXPECT_EQ(t.f(2).meisei, 200);
  EXPECT_EQ(t.ctx.meishuKessoku[1], 100);
  // The 7 is cohesion, not fame: the fame line names no figure.
  EXPECT_EQ(t.shown(6), "孔明｜蜀の名声は九");
}

TEST(Mediate, AnIndependentRaisesTheIndependentsValue) {
  AllianceTable t;
  Diplomacy(t.board).mediate(t.line(6, 31, 0, 3));
  EXPECT_EQ(t.ctx.meishuKessoku[0], 34);
  EXPECT_EQ(t.ctx.meishuKessoku[1], 50);
  EXPECT_EQ(t.f(4).meisei, 63);
}

TEST(MediateAndDenounce, NobodyAbleNamesTheStrategyOnlyWhenSomebodyTried) {
  AllianceTable t;
  StrategyLine s = t.line(6, 0, 0, 3);
  Diplomacy(t.board).mediate(s);
  Diplomacy(t.board).denounce(s);
  EXPECT_TRUE(t.texts().empty());
  s.lastFailure = 2;
  Diplomacy(t.board).mediate(s);
  Diplomacy(t.board).denounce(s);
  EXPECT_EQ(t.shown(58, 0).rfind("調停｜", 0), 0u);
  EXPECT_EQ(t.shown(58, 1).rfind("糾弾｜", 0), 0u);
}

TEST(Denounce, SeverityTwentyWipesOutFameAndCohesion) {
  AllianceTable t;
  Diplomacy(t.board).denounce(t.line(7, 2, 3, 20));
  EXPECT_EQ(t.f(3).meisei, 0);
  EXPECT_EQ(t.f(3).kessoku, 0);
  EXPECT_EQ(t.ctx.meishuKessoku[2], 15);  // 45 / 3
  EXPECT_EQ(t.shown(7), "孔明｜呉の名声と、その幕僚の結束が 20");
}

TEST(Denounce, MilderAndHarsherSeverities) {
  AllianceTable t;
  t.ctx.meishuKessoku[2] = 50;
  Diplomacy(t.board).denounce(t.line(7, 2, 3, 5));
  EXPECT_EQ(t.f(3).meisei, 45);
  EXPECT_EQ(t.f(3).kessoku, 37);  // Int(0.75 × 50)
  EXPECT_EQ(t.ctx.meishuKessoku[2], 17);  // 16.67 rounded

  AllianceTable u;
  Diplomacy(u.board).denounce(u.line(7, 2, 4, 30));
  EXPECT_EQ(u.f(4).meisei, -30);
}

TEST(Denounce, OnesOwnFactionIsNotDenounced) {
  AllianceTable t;
  Diplomacy(t.board).denounce(t.line(7, 2, 2, 20));
  EXPECT_EQ(t.texts(), std::vector<int>{27});
  EXPECT_EQ(t.f(2).meisei, 60);
}

TEST(JoinAlliance, SuccessJoinsTheLeadersAllianceAndMovesItsCohesion) {
  AllianceTable t;
  t.f(4).meisei = 84;
  // 燕: 84 / 20 + 4 + 3 = 11.2 against 1 + 7.
  Diplomacy(t.board).joinAlliance(t.line(8, 31, 21, 1));
  EXPECT_EQ(t.f(4).meishuID, 21);
  EXPECT_EQ(t.ctx.meishuKessoku[2], 47);  // 84 / 12 + 45 − 5
  // The ruler went himself: the faction's name is not repeated.
  EXPECT_EQ(t.shown(8), "公孫｜その名声により孫権");

  AllianceTable u;
  u.officer({.id = 32, .name = "使者", .kunID = 31, .job = 1, .policy = 4});
  u.f(4).meisei = 84;
  Diplomacy(u.board).joinAlliance(u.line(8, 32, 21, 1));
  EXPECT_EQ(u.f(4).meishuID, 21);
  EXPECT_EQ(u.shown(8), "使者｜燕はその名声により孫権");
}

TEST(JoinAlliance, ToAVanishedAllianceMakesTheFactionIndependentWithBothPhrases) {
  AllianceTable t;
  t.f(3).meishuID = 0;  // 呉 left its own alliance earlier this year
  Diplomacy(t.board).joinAlliance(t.line(8, 2, 21, 1));
  EXPECT_EQ(t.f(2).meishuID, 0);
  EXPECT_TRUE(t.texts().empty());
  EXPECT_EQ(t.narration(), "孫権同盟が既に無くなっていたため、蜀は独立軍閥となった。\r\n");
  EXPECT_EQ(t.ctx.meishuKessoku[2], 45);

  AllianceTable u;
  u.f(3).meishuID = 0;
  Diplomacy(u.board).joinAlliance(u.line(8, 31, 21, 1));  // already independent
  EXPECT_EQ(u.f(4).meishuID, 0);
  EXPECT_EQ(u.narration(), "孫権同盟が既に無くなっていたため、燕は独立軍閥となった。\r\n");
}

TEST(JoinAlliance, FailureAndALeaderWhoWouldJoin) {
  AllianceTable t;
  Diplomacy(t.board).joinAlliance(t.line(8, 31, 21, 9));  // 10 < 16
  EXPECT_EQ(t.shown(39), "公孫｜自ら");  // the ruler in person: 自らの名望は…
  EXPECT_EQ(t.f(4).meishuID, 0);
  Diplomacy(t.board).joinAlliance(t.line(8, 1, 21, 1));
  EXPECT_EQ(t.texts(), (std::vector<int>{39, 18}));
  EXPECT_EQ(t.f(1).meishuID, 1);
  Diplomacy(t.board).joinAlliance(t.line(10, 2, 21, 9));  // an officer asks for his lord
  EXPECT_EQ(t.shown(39, 1), "孔明｜蜀");
}

TEST(LeaveAlliance, FailedCheckPrintsNothingAtAll) {
  AllianceTable t;
  Diplomacy(t.board).leaveAlliance(t.line(9, 2, 0, 9, 15, 7));  // 15 < 16
  EXPECT_EQ(t.narration(), "");
  EXPECT_EQ(t.f(2).meishuID, 1);
}

TEST(LeaveAlliance, SuccessAndTheLeaderWhoMayNotLeave) {
  AllianceTable t;
  Diplomacy(t.board).leaveAlliance(t.line(9, 2, 0, 8, 15, 7));
  EXPECT_EQ(t.f(2).meishuID, 0);
  EXPECT_EQ(t.shown(9), "孔明の進言を容れ、蜀は｜蜀");
  Diplomacy(t.board).leaveAlliance(t.line(9, 1, 0, 8, 15, 7));
  EXPECT_EQ(t.f(1).meishuID, 1);
  EXPECT_EQ(t.texts(), (std::vector<int>{9, 18}));
  // A ruler leaving on his own decision is not said to follow his own advice.
  Diplomacy(t.board).leaveAlliance(t.line(9, 11, 0, 8, 15, 7));
  t.f(2).meishuID = 1;
  Diplomacy(t.board).leaveAlliance(t.line(9, 11, 0, 8, 15, 7));
  EXPECT_EQ(t.shown(9, 1), "蜀は自ら｜蜀");
}

TEST(ReplaceLeader, SuccessLeavesTheDeposedLeaderIndependentAndTheOthersFollow) {
  AllianceTable t;
  t.faction({.id = 5, .name = "楚", .kunshu = 41, .meishu = 1, .panel = 1});
  // (60 + 20) / 10 + 15 = 23 against 1 + (60 + 20) / 10 + 7 = 16.
  Diplomacy(t.board).replaceLeader(t.line(10, 2, 0, 1));
  EXPECT_EQ(t.f(1).meishuID, 0);
  EXPECT_EQ(t.f(2).meishuID, 11);
  EXPECT_EQ(t.f(5).meishuID, 11);
  EXPECT_EQ(t.f(3).meishuID, 21);
  EXPECT_EQ(t.shown(10), "孔明｜蜀");
}

TEST(ReplaceLeader, FailureLeadersAndIndependents) {
  AllianceTable t;
  Diplomacy(t.board).replaceLeader(t.line(10, 2, 0, 9));  // 23 < 24
  EXPECT_EQ(t.f(1).meishuID, 1);
  Diplomacy(t.board).replaceLeader(t.line(10, 1, 0, 1));   // leads already
  Diplomacy(t.board).replaceLeader(t.line(10, 31, 0, 1));  // in no alliance
  EXPECT_EQ(t.texts(), (std::vector<int>{44, 33, 33}));
  EXPECT_EQ(t.f(2).meishuID, 1);
}
