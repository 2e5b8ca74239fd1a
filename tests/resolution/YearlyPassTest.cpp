#include <gtest/gtest.h>

#include <algorithm>

#include "resolution/YearlyPass.h"
#include "support/ResolutionTable.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Luck drawn first: 38 zeros make every faction's luck 2.
struct PassTable : ResolutionTable {
  PassTable() { zeros(38); }
};

}  // namespace

TEST(YearlyPass, ALineNobodyChosePrintsNothingAndHeadingsNameOnlyItsPlayers) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1, .panel = 0});
  t.faction({.id = 2, .kunshu = 11, .panel = 0});
  t.faction({.id = 3, .kunshu = 21, .panel = 0});
  t.officer({.id = 1, .kunID = 1, .job = 5});
  t.officer({.id = 11, .kunID = 11, .job = 5});
  t.officer({.id = 21, .kunID = 21, .job = 5});
  t.ctx.playerFaction = {1, 2, 3};
  t.offer(0, 0, 6, 0, 0, 2);  // 調停, chosen by nobody
  t.offer(0, 1, 0, 0, 0, 0);  // 待機
  t.offer(0, 2, 0, 0, 0, 0);  // 待機
  t.choose(1, 1);
  t.choose(2, 1);
  t.choose(3, 2);
  t.msg.Strate_rtn();
  const std::string text = t.narration();
  EXPECT_TRUE(t.texts().empty());
  EXPECT_EQ(text,
            "***国1（プレイヤー）が関わった作戦***\r\n***国2（プレイヤー）が関わった作戦***\r\n"
            "***国3（プレイヤー）が関わった作戦***\r\n");
}

TEST(YearlyPass, FactionsOnOneLinePoolTheirOfficersAndTheActorsOwnFactionActs) {
  PassTable t;
  t.faction({.id = 2, .kunshu = 11, .meishu = 41, .panel = 1});
  t.faction({.id = 3, .kunshu = 21, .meishu = 41, .panel = 1});
  t.faction({.id = 4, .kunshu = 41, .meishu = 41, .panel = 1});
  t.faction({.id = 5, .kunshu = 51, .meishu = 41, .panel = 1});
  t.officer({.id = 11, .kunID = 11, .job = 5, .policy = 1});
  t.officer({.id = 12, .kunID = 11, .job = 3, .policy = 5});
  t.officer({.id = 21, .kunID = 21, .job = 5, .policy = 1});
  t.officer({.id = 22, .name = "賢者", .kunID = 21, .job = 3, .policy = 9});
  t.officer({.id = 41, .kunID = 41, .job = 3, .policy = 10});  // leader on another line
  t.officer({.id = 51, .kunID = 51, .job = 3, .policy = 10});  // destroyed faction
  t.board.factions[5].del = true;
  t.offer(1, 0, 8, 41, 0, 50);  // 同盟参加, hopeless: the actor and his faction are named
  t.offer(1, 1, 0, 0, 0, 0);
  t.choose(2, 0);
  t.choose(3, 0);
  t.choose(4, 1);
  t.choose(5, 0);
  t.zeros(10);
  t.msg.Strate_rtn();
  EXPECT_EQ(t.texts(), std::vector<int>{39});
  EXPECT_EQ(t.shown(39), "賢者｜国3");
}

TEST(YearlyPass, WhenEveryCandidateFailsTheFailureNamesTheHighestId) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1});
  t.faction({.id = 2, .kunshu = 11});
  t.officer({.id = 1, .kunID = 1, .job = 5});
  t.officer({.id = 3, .kunID = 1, .job = 4});
  t.officer({.id = 7, .kunID = 1, .job = 6});
  t.officer({.id = 11, .kunID = 11, .job = 5});
  t.officer({.id = 15, .name = "最後", .kunID = 11, .job = 0});
  t.officer({.id = 16, .kunID = 11, .job = 1});  // 文官 may not lead 異民族討伐
  t.offer(0, 0, 5, 0, 10, 50);
  t.choose(1, 0);
  t.choose(2, 0);
  t.msg.Strate_rtn();
  EXPECT_EQ(t.texts(), std::vector<int>{43});
  EXPECT_EQ(t.shown(43), "最後｜");
}

TEST(YearlyPass, ExcludedPostsAndUnservingOfficersNeverAct) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1, .meishu = 9, .panel = 1});
  t.officer({.id = 1, .kunID = 1, .job = 5, .wisdom = 1});
  t.officer({.id = 2, .kunID = 1, .job = 1, .wisdom = 10});  // 文官: excluded from 脱退
  t.officer({.id = 3, .kunID = 1, .job = 2, .wisdom = 10});  // 武官: excluded too
  t.officer({.id = 4, .name = "無位", .kunID = 1, .job = 0, .wisdom = 10});
  t.officer({.id = 5, .kunID = 0, .job = 0, .wisdom = 10});
  t.board.officers[5].gunID = 1;  // serving nobody, whatever the faction field says
  t.offer(1, 0, 9, 0, 0, 0);
  t.choose(1, 0);
  t.zeros(20);
  t.msg.Strate_rtn();
  EXPECT_EQ(t.shown(9), "無位の進言を容れ、国1は｜国1");
  EXPECT_EQ(t.board.factions[1].meishuID, 0);
}

TEST(YearlyPass, SelectionModesAndTheirDraws) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1});
  t.officer({.id = 1, .kunID = 1, .job = 5, .policy = 4, .charm = 3});
  t.officer({.id = 2, .kunID = 1, .job = 6, .policy = 6, .charm = 8});
  t.offer(0, 0, 8, 0, 0, 0);  // 同盟参加: policy + luck, no draws
  t.offer(0, 1, 2, 0, 0, 0);  // 兵力確保: policy + a roll
  t.offer(0, 2, 1, 0, 0, 6);  // 人材募集: charm, difficulty 6 first
  YearlyPass pass(t.msg);
  pass.run();  // consumes the 38 luck zeros and resolves nothing chosen
  ASSERT_EQ(pass.luck()[1], 2);
  EXPECT_EQ(pass.luck()[20], 0);
  t.choose(1, 0);
  const auto before = t.ctx.rng.drawCount();
  const StrategyLine luck = pass.select(0, 0);
  EXPECT_EQ(t.ctx.rng.drawCount(), before);
  EXPECT_EQ(luck.actor, 2);
  EXPECT_EQ(luck.best, 8);

  t.choose(1, 1);
  t.draws({{5, 6}, {5, 6}, {0, 6}, {0, 6}});  // 4 + 12 = 16 against 6 + 2 = 8
  const StrategyLine roll = pass.select(0, 1);
  EXPECT_EQ(roll.actor, 1);
  EXPECT_EQ(roll.best, 16);

  // Officer 1 passes (3 + 12 ≥ 6 + 2) and scores 3 + 2; officer 2 fails (8 + 2 < 6 + 12).
  t.choose(1, 2);
  t.draws({{5, 6}, {5, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {0, 6}, {5, 6}, {5, 6}});
  const StrategyLine check = pass.select(0, 2);
  EXPECT_EQ(check.actor, 1);
  EXPECT_EQ(check.best, 5);
  EXPECT_EQ(check.lastFailure, 2);
  EXPECT_EQ(t.ctx.rng.queuedDraws(), 0u);

  // On the boundary officer 1 passes (3 + 5 = 6 + 2: only a lower sum fails) and scores 3 + 3.
  t.draws({{3, 6}, {0, 6}, {0, 6}, {0, 6}, {1, 6}, {0, 6}, {0, 6}, {0, 6}, {5, 6}, {5, 6}});
  const StrategyLine tie = pass.select(0, 2);
  EXPECT_EQ(tie.actor, 1);
  EXPECT_EQ(tie.best, 6);
  EXPECT_EQ(tie.lastFailure, 2);
  EXPECT_EQ(t.ctx.rng.queuedDraws(), 0u);
}

TEST(YearlyPass, TheFirstLineClearsTheExplanationAnswer) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1});
  t.officer({.id = 1, .kunID = 1, .job = 5});
  t.offer(0, 0, 0, 0, 0, 0);
  t.ctx.confirmResult = 1;
  t.msg.Strate_rtn();
  EXPECT_EQ(t.ctx.confirmResult, 0);
}

TEST(YearlyPass, WarPreambleWarnsThePlayerAndTheBattleStartsOnANewPage) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1});
  t.faction({.id = 2, .kunshu = 11});
  t.officer({.id = 1, .name = "甲", .kunID = 1, .job = 5, .wisdom = 9});
  t.officer({.id = 11, .kunID = 11, .job = 5});
  t.ctx.playerFaction[1] = 2;
  t.offer(0, 0, 11, 2, 0, 0);
  t.choose(1, 0);
  t.msg.Strate_rtn();
  EXPECT_EQ(t.msg.warsFought, 1);
  EXPECT_EQ(t.msg.gisenFought, 0);
  const std::string& first = t.board.pages.page(0);
  EXPECT_NE(first.find("〈12〉甲｜国1を中心とした連合軍は、国2"), std::string::npos);
  EXPECT_NE(first.find("*** プレイヤーの国が攻撃を受けました ***\r\n"), std::string::npos);
  EXPECT_EQ(t.board.pages.page(1).rfind("〈16〉", 0), 0u);
  EXPECT_TRUE(t.msg.Lbl_Caution.visible);
}

TEST(YearlyPass, RighteousWarAddsCappedFameBeforeTheBattle) {
  PassTable t;
  t.faction({.id = 1, .name = "義", .kunshu = 1, .army = 1, .seihei = 0, .meisei = 198, .tian = 0});
  t.faction({.id = 2, .name = "賊", .kunshu = 11, .army = 500, .seihei = 10, .tian = 100});
  t.officer({.id = 1, .kunID = 1, .job = 5});
  t.officer({.id = 11, .kunID = 11, .job = 5});
  t.officer({.id = 12, .kunID = 11, .job = 6, .wisdom = 10, .tactics = 10});
  t.offer(0, 0, 12, 2, 0, 0);
  t.choose(1, 0);
  t.zeros(400);
  t.msg.Strate_rtn();
  EXPECT_EQ(t.msg.gisenFought, 1);
  EXPECT_EQ(t.shown(12), "将1｜義は賊");
  EXPECT_EQ(t.shown(35).rfind("賊｜", 0), 0u);  // the defender won
  EXPECT_FALSE(t.msg.Lbl_Caution.visible);
  // Beaten after 198 + 5 was capped at 200: Int(200 × 4 / 5).
  EXPECT_EQ(t.board.factions[1].meisei, 160);
}

TEST(YearlyPass, NoWarAgainstOnesOwnFactionOrAgainstNobody) {
  PassTable t;
  t.faction({.id = 1, .kunshu = 1});
  t.officer({.id = 1, .name = "甲", .kunID = 1, .job = 5});
  t.offer(0, 0, 11, 1, 0, 0);
  t.choose(1, 0);
  t.msg.Strate_rtn();
  EXPECT_EQ(t.texts(), std::vector<int>{32});
  EXPECT_EQ(t.shown(32), "甲｜");
  EXPECT_EQ(t.msg.warsFought, 0);

  // A righteous war dealt when there was no enemy: nothing happens, "某国" stays as it was.
  PassTable u;
  u.faction({.id = 1, .kunshu = 1});
  u.officer({.id = 1, .kunID = 1, .job = 5});
  u.offer(0, 0, 12, 0, 0, 0);
  u.choose(1, 0);
  u.msg.Strate_rtn();
  EXPECT_TRUE(u.texts().empty());
  EXPECT_EQ(u.msg.gisenFought, 0);
  EXPECT_EQ(u.board.factions[1].meisei, 50);
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(u.board.factions[0].field(n), 0);
}

TEST(YearlyPass, ADrawnRighteousWarLeavesNoEmptyPage) {
  PassTable t;
  t.faction({.id = 1, .name = "義", .kunshu = 1, .army = 100, .seihei = 10, .tian = 100});
  t.faction({.id = 2, .name = "賊", .kunshu = 11, .army = 120, .seihei = 10, .tian = 100});
  t.officer({.id = 1, .kunID = 1, .job = 5});
  t.officer({.id = 11, .kunID = 11, .job = 5, .tactics = 7, .charm = 7});
  t.offer(0, 0, 12, 2, 0, 0);
  t.choose(1, 0);
  t.zeros(400);
  t.msg.Strate_rtn();
  const auto texts = t.texts();
  ASSERT_EQ(std::count(texts.begin(), texts.end(), 36), 1) << t.narration();
  // Every page the year has moved past holds text; only the open page may still be empty.
  const int open = t.board.pages.index();
  ASSERT_GE(open, 2);
  for (int p = 0; p < open; ++p) EXPECT_FALSE(t.board.pages.page(p).empty()) << "page " << p;
}
