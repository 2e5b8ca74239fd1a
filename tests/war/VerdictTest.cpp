#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "support/ResolutionTable.h"
#include "war/Battle.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

// Each clause of the mid-game verdict for each side, on both sides of its boundary.
TEST(Verdict, MidGameClausesForEachSideAtTheirBoundaries) {
  struct Case {
    int m0, m1, open0, open1, verdict;
    const char* what;
  };
  const Case cases[] = {
      {151, 100, 200, 100, 1, "side 0 has more than half again the other's morale"},
      {150, 100, 200, 100, 0, "exactly half again decides nothing"},
      {113, 99, 300, 150, 1, "side 1 fell below two thirds of its opening 150, side 0 above three quarters"},
      {113, 100, 300, 150, 0, "side 1 at exactly two thirds"},
      {121, 106, 300, 160, 1, "side 0 above three quarters of side 1's opening 160"},
      {120, 106, 300, 160, 0, "side 0 at exactly three quarters"},
      {100, 151, 100, 200, 2, "side 1 has more than half again"},
      {100, 150, 100, 200, 0, "side 1 at exactly half again"},
      {99, 113, 150, 300, 2, "side 0 fell below two thirds of its opening"},
      {100, 113, 150, 300, 0, "side 0 at exactly two thirds"},
      {106, 121, 160, 300, 2, "side 1 above three quarters of side 0's opening"},
      {106, 120, 160, 300, 0, "side 1 at exactly three quarters"},
      {-40, -100, 200, 200, 1, "morale below zero still compares: -40 is above -100 × 3 / 2"},
  };
  for (const Case& c : cases) {
    const auto v = Battle::midGameVerdict(static_cast<int16>(c.m0), static_cast<int16>(c.m1),
                                          static_cast<int16>(c.open0), static_cast<int16>(c.open1));
    EXPECT_EQ(v, c.verdict) << c.what << " (" << c.m0 << ", " << c.m1 << ")";
  }
}

TEST(Verdict, TheAttackerStrikesFirstInTheMidGameWhenLevel) {
  EXPECT_EQ(Battle::firstStriker(20.5f, 20.5f), 0);
  EXPECT_EQ(Battle::firstStriker(20.5f, 20.0f), 0);
  EXPECT_EQ(Battle::firstStriker(20.0f, 20.5f), 1);
}

// The overwhelming advance needs an edge above 3.2 and the higher morale, for either side.
TEST(Verdict, OverwhelmingAdvanceEdgeAndMoraleForEachSide) {
  struct Case {
    int str0, str1, total0, total1, m0, m1, verdict;
  };
  const Case cases[] = {
      {9, 4, 10, 10, 200, 199, 1},   // 2.25 + 1 = 3.25
      {17, 8, 10, 10, 200, 199, 0},  // 2.125 + 1 = 3.125
      {9, 4, 10, 10, 200, 200, 0},   // level morale
      {4, 9, 10, 10, 199, 200, 2},
      {8, 17, 10, 10, 199, 200, 0},
      {4, 9, 10, 10, 200, 200, 0},
      {10, 10, 9, 4, 200, 199, 1},  // the totals count as much as the strengths
  };
  for (const Case& c : cases) {
    const auto s = [](int a, int b) { return std::array<int16, 2>{static_cast<int16>(a), static_cast<int16>(b)}; };
    EXPECT_EQ(Battle::overwhelmingVerdictOf(s(c.str0, c.str1), s(c.total0, c.total1), s(c.m0, c.m1)), c.verdict)
        << c.str0 << "/" << c.str1 << " " << c.total0 << "/" << c.total1 << " " << c.m0 << "/" << c.m1;
  }
}

namespace {

struct Duel : ResolutionTable {
  Duel() {
    faction({.id = 1, .name = "攻", .kunshu = 1, .army = 100, .seihei = 10, .tian = 100});
    faction({.id = 2, .name = "守", .kunshu = 11, .army = 100, .seihei = 10, .tian = 100});
    officer({.id = 1, .name = "甲", .kunID = 1, .job = 5});
    officer({.id = 11, .name = "乙", .kunID = 11, .job = 5});
  }
};

// A small fixed generator for the officers of the sweep (not the game's draws).
struct Dice {
  unsigned state;
  int roll(int lo, int hi) {
    state = state * 1103515245u + 12345u;
    return lo + static_cast<int>((state >> 16) % static_cast<unsigned>(hi - lo + 1));
  }
};

std::string lossShown(float loss) { return numStr(static_cast<long long>(std::floor(loss))); }

}  // namespace

// A duel whose sums come out level goes to the attacker: 甲 (fight 10) rolls 2, 乙 (fight 8)
// rolls 4, and 乙's side loses three quarters of its morale less 甲's roll.
TEST(Verdict, ALevelDuelGoesToTheAttacker) {
  Duel t;
  t.board.factions[1].seihei = 0;
  t.board.factions[2].seihei = 0;
  t.board.officers[1].fight = 10;
  t.board.officers[11].fight = 8;
  t.zeros(14);                                      // roles, morale, initiative
  t.draws({{5, 6}, {5, 6}});                        // the duel's value: 2 × 12 × 10
  t.zeros(4);                                       // the opening's r0 = r1 = 0
  t.draws({{0, 4}, {0, 4}, {1, 4}, {1, 4}});        // 10 + 2 against 8 + 4
  t.zeros(40);
  Battle b(t.board);
  b.War_rtn(t.board.factions[1], t.board.factions[2]);
  ASSERT_EQ(b.plan(), 5);
  EXPECT_EQ(t.shown(29), "甲が乙｜守");
  const int open1 = b.sides()[1].M0;
  const std::string after = "攻の士気" + numStr(b.sides()[0].M0) + " 守の士気" +
                            numStr(static_cast<int>(std::nearbyint(float(open1) * 3 / 4 - 2)));
  const std::string narration = t.narration();
  EXPECT_NE(narration.find(after), std::string::npos) << narration;
}

// Over many staffed sides (every draw 0, so r0 = r1 = 0), each plan's value and opening loss
// follow its own formula; the sweep must meet every plan from 1 to 6.
TEST(Verdict, EveryPlanHasItsOwnValueAndOpeningLoss) {
  std::set<int> met;
  for (unsigned seed = 1; seed <= 400; ++seed) {
    Duel t;
    Dice dice{seed};
    for (int side = 0; side < 2; ++side) {
      const int ruler = side == 0 ? 1 : 11;
      gun& g = t.board.factions[side + 1];
      g.army = static_cast<int16>(dice.roll(20, 300));
      g.seihei = static_cast<int16>(dice.roll(0, 40));
      g.kessoku = static_cast<int16>(dice.roll(10, 100));
      for (int k = 0; k < 4; ++k) {
        t.officer({.id = ruler + 1 + k, .kunID = ruler, .job = dice.roll(1, 6) == 5 ? 4 : dice.roll(1, 6) % 5 + 1,
                   .policy = dice.roll(1, 10), .fight = dice.roll(1, 10), .wisdom = dice.roll(1, 10),
                   .tactics = dice.roll(1, 10), .charm = dice.roll(1, 10), .setu = 30});
      }
    }
    t.zeros(400);
    // The outcome changes elite troops and cohesion afterwards: keep the values fought with.
    const int seihei[2] = {t.board.factions[1].seihei, t.board.factions[2].seihei};
    const int kessoku[2] = {t.board.factions[1].kessoku, t.board.factions[2].kessoku};
    const int army[2] = {t.board.factions[1].army, t.board.factions[2].army};
    Battle b(t.board);
    b.War_rtn(t.board.factions[1], t.board.factions[2]);
    const int plan = b.plan();
    // Each verdict takes its own outcome path: a draw costs both a quarter, a victory takes
    // policy × 2 + 10 % of the loser's army, who loses (tactics + policy) × 1.5 + 10, plus 5 %.
    const int after[2] = {t.board.factions[1].army, t.board.factions[2].army};
    if (b.verdict() == 0 && plan != 7) {
      EXPECT_EQ(after[0], army[0] * 3 / 4) << "seed " << seed;
      EXPECT_EQ(after[1], army[1] * 3 / 4) << "seed " << seed;
    } else if (b.verdict() != 0 && plan != 7) {
      const int w = b.verdict() - 1;
      const Bushou& S = t.board.officers[b.sides()[static_cast<std::size_t>(w)].strategist];
      const int spoils = static_cast<int>(std::floor(float(S.policy * 2 + 10) / 100 * float(army[1 - w])));
      const int lost = static_cast<int>(std::nearbyint(float(S.tactics + S.policy) * 1.5f + 10)) + 5;
      EXPECT_EQ(after[w], army[w] + spoils) << "seed " << seed;
      EXPECT_EQ(after[1 - w], static_cast<int>(std::floor(float(army[1 - w]) * (1 - float(lost) / 100)))) << "seed " << seed;
    }
    if (plan == 7) continue;
    const int k = b.planner();
    const auto& a = b.sides()[static_cast<std::size_t>(k)];
    const auto& o = b.sides()[static_cast<std::size_t>(1 - k)];
    const auto& s0 = b.sides()[0];
    const auto& s1 = b.sides()[1];
    const float ratio = static_cast<float>(a.total) / static_cast<float>(o.total);
    const float inverse = static_cast<float>(o.total) / static_cast<float>(a.total);
    float value = 0;
    std::string loss;
    switch (plan) {
      case 1: value = float(a.str + a.F) / float(o.str + o.F) * 30 + float(a.cmd + a.st - o.st - o.cmd); break;
      case 2: {
        value = float((a.gt - o.st) * seihei[k] * 8);
        const bool success = k == 0 ? s1.st <= s0.gt : s1.gt >= s0.st;
        loss = success ? lossShown(float(seihei[k] * 3 + a.cf)) : lossShown(float(o.str) / float(s0.str + s1.str) * 80);
        break;
      }
      case 3: {
        value = (float(a.P + a.T) / 10 + float(a.st) - float(o.P + o.T) / 10 - float(o.st)) * float(a.total) / 10;
        const auto score = [](const Battle::Side& s) { return float(s.T) / 10 + float(s.st) + float(s.P) / 10; };
        const auto& w = score(s1) <= score(s0) ? s0 : s1;
        loss = lossShown(float(w.total + w.T) / 10);
        break;
      }
      case 4: {
        value = (ratio + float(a.sw - o.sw) - inverse) * (float(kessoku[1 - k]) / 2 + float(a.W));
        const float e0 = float(s0.total) / float(s1.total) + float(s0.sw);
        const float e1 = float(s1.total) / float(s0.total) + float(s1.sw);
        const auto& w = e1 <= e0 ? s0 : s1;
        loss = lossShown(float(w.W) / 2 + 20);
        break;
      }
      case 5: {
        value = float((a.cf - o.cf) * 2 * 10);  // d(6) + d(6) + 2 with zeros
        // The duel (d(4) + d(4) + 2 = 2 each) goes to the attacker when level; the loser keeps
        // three quarters of his morale less the winner's 2, as the morale line after it shows.
        const int w = s1.cf <= s0.cf ? 0 : 1;
        int M[2] = {s0.M0, s1.M0};
        M[1 - w] = static_cast<int>(std::nearbyint(float(M[1 - w]) * 3 / 4 - 2));
        const std::string line = "攻の士気" + numStr(M[0]) + " 守の士気" + numStr(M[1]);
        const std::string narration = t.narration();
        const auto first = narration.find("攻の士気");
        const auto second = narration.find("攻の士気", first + 1);
        ASSERT_NE(second, std::string::npos) << "seed " << seed;
        EXPECT_EQ(narration.substr(second, line.size()), line) << "plan 5 seed " << seed;
        break;
      }
      case 6: {
        value = (ratio + float(a.st - o.st) - inverse) * float(a.P * 2);
        const float e0 = float(s0.total) / float(s1.total) + float(s0.st);
        const float e1 = float(s1.total) / float(s0.total) + float(s1.st);
        const auto& w = e1 <= e0 ? s0 : s1;
        loss = lossShown(float(w.P + 20));
        break;
      }
      default: break;
    }
    EXPECT_NEAR(b.planValue(), value, std::fabs(value) * 1e-5 + 1e-4) << "plan " << plan << " seed " << seed;
    const int text = plan == 2 ? (t.texts()[6] == 20 ? 20 : 25) : (plan == 3 ? 26 : plan == 4 ? 28 : 30);
    if (!loss.empty()) {
      const std::string shown = t.shown(text);
      EXPECT_EQ(shown.substr(shown.size() - loss.size()), loss) << "plan " << plan << " seed " << seed << ": " << shown;
    }
    met.insert(plan);
  }
  EXPECT_EQ(met, (std::set<int>{1, 2, 3, 4, 5, 6}));
}
