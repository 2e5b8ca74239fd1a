#include <gtest/gtest.h>

#include "resolution/Destruction.h"
#include "support/ResolutionTable.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Faction f is ruled by officer 10·f.
struct FallTable : ResolutionTable {
  explicit FallTable(std::uint64_t seed = 1) : ResolutionTable(seed) {}
  gun& add(int id, int meishu, int army, int meisei, int ifu) {
    officer({.id = 10 * id, .name = "君" + std::to_string(id), .kunID = 10 * id, .job = 5});
    return faction({.id = id, .kunshu = 10 * id, .meishu = meishu, .army = army, .meisei = meisei, .ifu = ifu});
  }
  gun& f(int id) { return board.factions[id]; }
};

}  // namespace

TEST(Destruction, NineteenTroopsNoStaffAndNoStandingAlwaysFalls) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    FallTable t(seed);
    t.add(1, 0, 19, 10, 10);
    t.msg.checkMetubou();
    EXPECT_TRUE(t.f(1).del) << seed;
    EXPECT_EQ(t.shown(60), "国1｜");
  }
}

TEST(Destruction, StandingAboveEveryDrawNeverFalls) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    FallTable t(seed);
    t.add(1, 0, 0, 61, 10);  // 51 beats every draw of 1..50
    t.msg.checkMetubou();
    EXPECT_FALSE(t.f(1).del) << seed;
  }
  // At exactly 50 only the top draw, 50, brings it down.
  FallTable low;
  low.add(1, 0, 0, 60, 10);
  low.draws({{48, 50}});
  low.msg.checkMetubou();
  EXPECT_FALSE(low.f(1).del);
  FallTable top;
  top.add(1, 0, 0, 60, 10);
  top.draws({{49, 50}});
  top.msg.checkMetubou();
  EXPECT_TRUE(top.f(1).del);
}

TEST(Destruction, TwentyTroopsOrOneServingOfficerIsEnough) {
  FallTable t;
  t.add(1, 0, 20, 0, 0);
  t.add(2, 0, 0, 0, 0);
  t.officer({.id = 21, .kunID = 20});
  t.add(3, 0, 0, 0, 0);
  t.msg.checkMetubou();
  EXPECT_FALSE(t.f(1).del);
  EXPECT_FALSE(t.f(2).del);
  EXPECT_TRUE(t.f(3).del);
  // The fallen faction's officers keep their posts; only the record changes.
  EXPECT_EQ(t.board.officers[30].gunID, 3);
}

TEST(Destruction, PlayerFlagsAndTheirSlots) {
  FallTable t;
  t.add(1, 0, 0, 0, 0);
  t.add(2, 0, 50, 0, 0);
  t.ctx.playerFaction[0] = 1;
  t.ctx.playerFaction[1] = 2;
  t.msg.checkMetubou();
  EXPECT_TRUE(t.msg.Metubou_Flg);
  EXPECT_FALSE(t.msg.All_Metubou_Flg);
  EXPECT_EQ(t.ctx.playerFaction[0], 0);
  EXPECT_EQ(t.ctx.playerFaction[1], 2);

  t.f(2).army = 0;
  t.msg.checkMetubou();
  EXPECT_TRUE(t.msg.Metubou_Flg);
  EXPECT_TRUE(t.msg.All_Metubou_Flg);
  EXPECT_TRUE(t.msg.checkAllMetubou());

  // A year in which no player falls clears the first flag again.
  t.msg.checkMetubou();
  EXPECT_FALSE(t.msg.Metubou_Flg);
}

TEST(Destruction, WithoutPlayersAllAreGone) {
  FallTable t;
  t.add(1, 0, 50, 0, 0);
  EXPECT_TRUE(t.msg.checkAllMetubou());
}

TEST(Succession, TheHigherIdMemberLeadsAndTheOtherFollows) {
  FallTable t;
  t.add(1, 10, 0, 0, 0);   // the leader falls
  t.add(2, 10, 50, 0, 0);
  t.add(3, 10, 50, 0, 0);
  t.add(4, 0, 50, 0, 0);
  t.msg.checkMetubou();
  EXPECT_TRUE(t.f(1).del);
  EXPECT_EQ(t.f(1).meishuID, 0);
  EXPECT_EQ(t.f(3).meishuID, 30);
  EXPECT_EQ(t.f(2).meishuID, 30);
  EXPECT_EQ(t.f(4).meishuID, 0);
  EXPECT_EQ(t.texts(), (std::vector<int>{60, 59}));
  EXPECT_EQ(t.shown(59).rfind("君3｜", 0), 0u);
}

TEST(Succession, WithoutMembersAnIndependentFoundsTheNewLeadership) {
  FallTable t;
  t.add(1, 10, 0, 0, 0);
  t.add(2, 20, 50, 0, 0);  // leads another alliance
  t.add(3, 0, 50, 0, 0);
  t.add(4, 0, 50, 0, 0);
  t.msg.checkMetubou();
  EXPECT_EQ(t.f(3).meishuID, 30);
  EXPECT_EQ(t.f(4).meishuID, 0);
  EXPECT_EQ(t.shown(59).rfind("国3｜", 0), 0u);
}

TEST(Succession, WithoutIndependentsAMemberOfAnotherAllianceIsTakenOut) {
  FallTable t;
  t.add(1, 10, 0, 0, 0);
  t.add(2, 20, 50, 0, 0);
  t.add(3, 20, 50, 0, 0);
  t.msg.checkMetubou();
  EXPECT_EQ(t.f(3).meishuID, 30);
  EXPECT_EQ(t.f(2).meishuID, 20);
}

TEST(Succession, WithNobodyLeftNothingChangesAndSomeCountryStaysAsItIs) {
  FallTable t;
  t.add(1, 10, 0, 0, 0);
  t.add(2, 20, 50, 0, 0);
  t.msg.checkMetubou();
  EXPECT_EQ(t.texts(), std::vector<int>{60});
  const gun& placeholder = t.board.factions[0];
  EXPECT_EQ(placeholder.meishuID, 0);
  EXPECT_EQ(placeholder.kunshuID, 0);
  EXPECT_TRUE(placeholder.del);
  EXPECT_EQ(t.f(2).meishuID, 20);
}

TEST(Destruction, DestroyingSomeCountryOrAnUnknownIdChangesNothing) {
  FallTable t;
  t.msg.Metubou(0);
  t.msg.Metubou(25);
  t.msg.looseMeishu(0);
  EXPECT_EQ(t.board.factions[0].name, "某国");
  EXPECT_EQ(t.board.factions[0].meishuID, 0);
  EXPECT_TRUE(t.texts().empty());
}
