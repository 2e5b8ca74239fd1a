#include "war/Battle.h"

#include <algorithm>
#include <initializer_list>

#include "data/TextFile.h"
#include "war/BattleRoles.h"
#include "war/Outcomes.h"

namespace velkaro {
namespace {

constexpr int16 kMoraleCap = 250;

// A shown loss is truncated first.
std::string lossStr(real loss) { return numStr(intFloor(loss)); }

}  // namespace

const char* Battle::planLabel(int plan) {
  switch (plan) {
    case 1: return "正攻法";
    case 2: return "奇襲";
    case 3: return "大戦略";
    case 4: return "謀略";
    case 5: return "一騎打ち";
    case 6: return "長期戦";
    default: return "";
  }
}

void Battle::War_rtn(gun& g1, gun& g2) { fight(g1, g2, false); }

void Battle::Gisen_rtn(gun& g1, gun& g2) { fight(g1, g2, true); }

void Battle::fight(gun& g1, gun& g2, bool gisen) {
  side_ = {};
  side_[0].g = &g1;
  side_[1].g = &g2;
  for (Side& s : side_) s.name = s.g->name;
  plan_ = 1;
  planner_ = 0;
  planValue_ = 0;
  verdict_ = 0;

  strengths();
  roles();
  totals(gisen);
  morale(gisen);
  choosePlan(gisen);
  if (plan_ != 7) board_.textStep(17);
  if (playerInvolved(gisen, 20)) board_.nextPage();
  openingClash();
  if (plan_ == 7) {
    overwhelmingVerdict();
  } else {
    midGame(gisen);
  }
  announce();
  outcome(gisen);
}

std::string Battle::staffTitle(const Side& s) const {
  // Without a strategist the commander plans and earns the merit himself.
  if (s.strategist != 0) return "軍師" + s.strategistName;
  return "大将" + board_.officers[s.commander].name;
}

bool Battle::playerInvolved(bool gisen, int lastSlot) const {
  const int a = side_[0].g->id;
  const int b = side_[1].g->id;
  if (gisen) return board_.isPlayer(a) || board_.isPlayer(b);
  return board_.inPlayerSlots(a, lastSlot) || board_.inPlayerSlots(b, lastSlot);
}

void Battle::strengths() {
  for (Side& s : side_) {
    const long long levy = intFloor(R(s.g->tian + 50) / 150 * R(s.g->army));
    const long long str = levy + s.g->seihei;
    s.str = str < 1 ? int16{1} : sat16(str);
  }
}

void Battle::roles() {
  BattleRoles roles(board_);
  const OfficerTable& officers = board_.officers;
  for (Side& s : side_) {
    const RolePick c = roles.Taishou_rtn(*s.g);
    s.commander = c.id;
    s.cmd = c.score;
    s.charm = officers[c.id].charm;
  }
  const auto troops = [&](const Side& s) {
    return officers[s.commander].name + "の率いる" + s.name + "軍" + numStr(s.str);
  };
  board_.textStep(16, troops(side_[0]), troops(side_[1]));

  for (Side& s : side_) {
    const RolePick g = roles.Gunsi_rtn(*s.g);
    if (g.id < 1) {
      // No strategist: nobody stands in, with the least wisdom and tactics.
      s.strategist = 0;
      s.strategistName.clear();
      s.sw = 1;
      s.st = 1;
      continue;
    }
    const Bushou& b = officers[g.id];
    s.strategist = g.id;
    s.strategistName = b.name;
    s.st = b.tactics;
    // A general serving as strategist fights with half his wisdom.
    s.sw = b.Job == 4 ? cint(R(b.wisdom) / 2) : b.wisdom;
  }
  for (Side& s : side_) {
    s.general = roles.Shougun_rtn(*s.g).id;
    s.gt = officers[s.general].tactics;
  }
  for (Side& s : side_) {
    s.champion = roles.Ikki_rtn(*s.g).id;
    s.cf = officers[s.champion].fight;
  }
}

void Battle::totals(bool gisen) {
  const GameContext& ctx = board_.ctx;
  for (Side& s : side_) {
    int16 sum = 0;
    for (int j = 1; j <= board_.factionMax(); ++j) {
      const gun& member = board_.factions[j];
      if (member.meishuID != s.g->meishuID) continue;
      const int panel = ctx.factionPanel[static_cast<std::size_t>(j)];
      const int16 coh = panel >= 0 && panel < kPanels ? ctx.meishuKessoku[static_cast<std::size_t>(panel)] : int16{0};
      sum = cint(R(sum) + R(coh) / 100 * R(member.army));
    }
    if (s.g->meishuID == 0) sum = s.str;
    s.total = sum == 0 ? int16{1} : sum;
  }
  if (gisen) side_[0].total = sat16(intFloor(side_[0].total * 1.2));
  board_.textStep(34, side_[0].name + "の総兵力は" + numStr(side_[0].total),
                  side_[1].name + "軍のそれは" + numStr(side_[1].total));

  BattleRoles roles(board_);
  for (Side& s : side_) {
    s.T = roles.Ttl_Shou_rtn(*s.g);
    s.F = roles.Ttl_Fgt_rtn(*s.g);
    s.P = roles.Ttl_Plc_rtn(*s.g);
    s.W = roles.Ttl_Wis_rtn(*s.g);
  }
}

void Battle::morale(bool gisen) {
  Random& rng = board_.rng();
  for (Side& s : side_) {
    const int first = rng.d(4);
    const int r = first + rng.d(6) + 2;
    long long m = 100 + 5LL * s.cmd + s.P;
    const bool inspires = s.charm >= r;
    if (inspires) m += 5LL * s.charm;
    s.M = sat16(m);
    board_.textStep(inspires ? 50 : 51, board_.officers[s.commander].name);
    // A righteous war's waging side has no cap; the other side is capped below.
    if (!gisen && s.M > kMoraleCap) s.M = kMoraleCap;
    s.M0 = s.M;
  }
  if (gisen) {
    Side& opposing = side_[1];
    opposing.M = cint(R(opposing.M) * 9 / 10);
    if (opposing.M > kMoraleCap) {
      opposing.M = kMoraleCap;
      opposing.M0 = kMoraleCap;
    }
  }
  board_.textStep(49, side_[0].P < side_[1].P ? side_[1].name : side_[0].name);
  moraleLine();
}

void Battle::moraleLine() {
  board_.append(side_[0].name + "の士気" + numStr(side_[0].M) + " " + side_[1].name + "の士気" + numStr(side_[1].M) +
                kCrLf + kCrLf);
}

real Battle::planValueOf(int plan, int k, bool gisen, int duelRoll) const {
  const Side& a = side_[static_cast<std::size_t>(k)];
  const Side& o = side_[static_cast<std::size_t>(1 - k)];
  const real ratio = R(a.total) / R(o.total);
  const real inverse = R(o.total) / R(a.total);
  switch (plan) {
    case 1:
      if (gisen) {
        // Formed as a whole number before the halving; wide, so a large army cannot wrap it.
        const long long product = (static_cast<long long>(a.cmd) + a.st - o.cmd - o.st) * (a.str + a.F);
        return R(product) / 2;
      }
      return R(a.str + a.F) / R(o.str + o.F) * 30 + R(a.cmd + a.st - o.st - o.cmd);
    case 2: return R((static_cast<long long>(a.gt) - o.st) * a.g->seihei * 8);
    case 3: return (R(a.P + a.T) / 10 + R(a.st) - R(o.P + o.T) / 10 - R(o.st)) * R(a.total) / 10;
    // Summed term by term from the left: where stratagem and long campaign come out level, the
    // last bit of each sum decides between them.
    case 4: return (ratio + R(a.sw) - R(o.sw) - inverse) * (R(o.g->kessoku) / 2 + R(a.W));
    case 5: return R((static_cast<long long>(a.cf) - o.cf) * duelRoll * 10);
    case 6: return (ratio + R(a.st) - R(o.st) - inverse) * R(a.P * 2);
    default: return 0;
  }
}

void Battle::choosePlan(bool gisen) {
  Random& rng = board_.rng();
  const int a1 = rng.d(2);
  const int a = side_[0].sw + side_[0].st + a1 + rng.d(2) + 2;
  const int b1 = rng.d(2);
  const int b = side_[1].sw + side_[1].st + b1 + rng.d(2) + 2;
  planner_ = a >= b ? 0 : 1;
  const Side& k = side_[static_cast<std::size_t>(planner_)];
  board_.ctx.msgParam1 = k.strategist != 0 ? k.name + "の軍師" + k.strategistName : staffTitle(k);

  // The waging side of a righteous war chooses among frontal attack, grand strategy,
  // stratagem and duel only.
  const bool restricted = gisen && planner_ == 0;
  const std::initializer_list<int> full = {1, 2, 3, 4, 5, 6};
  const std::initializer_list<int> waging = {1, 3, 4, 5};
  bool first = true;
  for (int plan : restricted ? waging : full) {
    int duelRoll = 0;
    if (plan == 5) {
      const int d1 = rng.d(6);
      duelRoll = d1 + rng.d(6) + 2;
    }
    const real value = planValueOf(plan, planner_, gisen, duelRoll);
    // Frontal attack is always taken first, so it stands even when every value is negative.
    if (first || value > planValue_) {
      plan_ = plan;
      planValue_ = value;
      board_.ctx.msgParam2 = planLabel(plan);
    }
    first = false;
  }

  if (!gisen && planner_ == 0) {
    const Side& s0 = side_[0];
    const Side& s1 = side_[1];
    const real edge = R(s0.total) / R(s1.total) + R(s0.P + s1.P) / 10;
    // Morale is at least 100 here; the guard only keeps an edited record from dividing by 0.
    const bool ahead = s1.M != 0 ? static_cast<double>(R(s0.M) / R(s1.M)) > 1.1 : s0.M > 0;
    if (edge >= 15 && ahead) plan_ = 7;
  }
}

void Battle::blow(int k, real drawK, real bonus) {
  Side& a = side_[static_cast<std::size_t>(k)];
  Side& o = side_[static_cast<std::size_t>(1 - k)];
  const int sum = side_[0].str + side_[0].F + side_[1].str + side_[1].F;
  // A side whose morale has fallen below zero strikes with no effect: a blow never raises the
  // enemy's morale (it lifted it past the cap of 250 before).
  const real loss = std::max(R(0), R(a.M) / 3 * R(a.str + a.F) / R(sum) + drawK + bonus);
  o.M = cint(R(o.M) - loss);
  board_.textStep(19, o.name, lossStr(loss));
}

void Battle::openingClash() {
  Random& rng = board_.rng();
  Draws r{};
  for (int& draw : r) {
    const int first = rng.d(6);
    draw = first + rng.d(6);
  }
  switch (plan_) {
    case 1: frontalClash(r); break;
    case 2: surpriseAttack(r); break;
    case 3: grandStrategyClash(r); break;
    case 4: stratagemClash(r); break;
    case 5: duel(); break;
    case 6: longCampaignClash(r); break;
    case 7: board_.textStep(40); break;
    default: break;
  }
}

// Side 0 wins a contest of scores when it is at least level.
int Battle::contest(real score0, real score1, const Draws& r) const {
  return score1 + R(r[1]) <= score0 + R(r[0]) ? 0 : 1;
}

void Battle::frontalClash(const Draws& r) {
  const Side& s0 = side_[0];
  const Side& s1 = side_[1];
  const int first = (s0.cmd + s0.st + r[0]) - (s1.cmd + s1.st + r[1]) >= 0 ? 0 : 1;
  blow(first, R(r[static_cast<std::size_t>(first)]), 10);
  blow(1 - first, R(r[static_cast<std::size_t>(1 - first)]), 10);
}

void Battle::surpriseAttack(const Draws& r) {
  const Side& s0 = side_[0];
  const Side& s1 = side_[1];
  const int k = planner_;
  Side& a = side_[static_cast<std::size_t>(k)];
  Side& o = side_[static_cast<std::size_t>(1 - k)];
  const bool success = k == 0 ? s1.st + r[1] <= s0.gt + r[0] : s1.gt + r[1] >= s0.st + r[0];
  // A side without a general sends its commander at the head of the raid.
  const std::string& general = board_.officers[a.general != 0 ? a.general : a.commander].name;
  if (success) {
    const real loss = R(static_cast<long long>(a.g->seihei) * 3 + a.cf + r[0]);
    o.M = cint(R(o.M) - loss);
    const std::string& champion = board_.officers[a.champion].name;
    const char* deed = k == 0 ? "以下、獅子奮迅の働きを見せ、" : "もここぞとばかりに暴れまわり、";
    board_.textStep(20, general, champion + deed + o.name + "軍の士気が" + lossStr(loss));
  } else {
    const real loss = R(o.str) / R(s0.str + s1.str) * 80;
    a.M = cint(R(a.M) - loss);
    board_.textStep(25, general, a.name + "軍の士気が" + lossStr(loss));
  }
}

void Battle::grandStrategyClash(const Draws& r) {
  const auto score = [](const Side& s) { return R(s.T) / 10 + R(s.st) + R(s.P) / 10; };
  const int w = contest(score(side_[0]), score(side_[1]), r);
  Side& win = side_[static_cast<std::size_t>(w)];
  Side& lose = side_[static_cast<std::size_t>(1 - w)];
  const real loss = R(win.total + win.T) / 10 + R(r[static_cast<std::size_t>(w)]);
  lose.M = cint(R(lose.M) - loss);
  board_.textStep(26, staffTitle(win), lose.name + "軍の士気が" + lossStr(loss));
}

void Battle::stratagemClash(const Draws& r) {
  const Side& s0 = side_[0];
  const Side& s1 = side_[1];
  const int w = contest(R(s0.total) / R(s1.total) + R(s0.sw), R(s1.total) / R(s0.total) + R(s1.sw), r);
  Side& win = side_[static_cast<std::size_t>(w)];
  Side& lose = side_[static_cast<std::size_t>(1 - w)];
  const real loss = R(win.W) / 2 + 20 + R(r[static_cast<std::size_t>(w)]);
  lose.M = cint(R(lose.M) - loss);
  board_.textStep(28, staffTitle(win), lose.name + "軍の士気が" + lossStr(loss));
}

void Battle::duel() {
  Random& rng = board_.rng();
  int e[2];
  for (int& draw : e) {
    const int first = rng.d(4);
    draw = first + rng.d(4) + 2;
  }
  const int w = side_[1].cf + e[1] <= side_[0].cf + e[0] ? 0 : 1;
  Side& win = side_[static_cast<std::size_t>(w)];
  Side& lose = side_[static_cast<std::size_t>(1 - w)];
  lose.M = cint(R(lose.M) * 3 / 4 - R(e[w]));
  board_.textStep(29, board_.officers[win.champion].name + "が" + board_.officers[lose.champion].name, lose.name);
}

void Battle::longCampaignClash(const Draws& r) {
  const Side& s0 = side_[0];
  const Side& s1 = side_[1];
  const int w = contest(R(s0.total) / R(s1.total) + R(s0.st), R(s1.total) / R(s0.total) + R(s1.st), r);
  Side& win = side_[static_cast<std::size_t>(w)];
  Side& lose = side_[static_cast<std::size_t>(1 - w)];
  const real loss = R(win.P + r[static_cast<std::size_t>(w)] + 20);
  lose.M = cint(R(lose.M) - loss);
  board_.textStep(30, lose.name, lossStr(loss));
}

void Battle::overwhelmingVerdict() {
  const Side& s0 = side_[0];
  const Side& s1 = side_[1];
  verdict_ = overwhelmingVerdictOf({s0.str, s1.str}, {s0.total, s1.total}, {s0.M, s1.M});
}

int Battle::overwhelmingVerdictOf(std::array<int16, 2> str, std::array<int16, 2> total, std::array<int16, 2> M) {
  int verdict = 0;
  const real edge0 = R(str[0]) / R(str[1]) + R(total[0]) / R(total[1]);
  const real edge1 = R(str[1]) / R(str[0]) + R(total[1]) / R(total[0]);
  if (static_cast<double>(edge0) > 3.2 && M[1] < M[0]) verdict = 1;
  if (static_cast<double>(edge1) > 3.2 && M[0] < M[1]) verdict = 2;
  return verdict;
}

int Battle::firstStriker(real lead0, real lead1) { return lead1 - lead0 <= 0 ? 0 : 1; }

int Battle::midGameVerdict(int16 M0, int16 M1, int16 open0, int16 open1) {
  const real m0 = R(M0);
  const real m1 = R(M1);
  int verdict = 0;
  if (m0 > m1 * 3 / 2 || (m1 < m0 && m1 < R(open1) * 2 / 3 && m0 > R(open1) * 3 / 4)) verdict = 1;
  if (m1 > m0 * 3 / 2 || (m0 < m1 && m0 < R(open0) * 2 / 3 && m1 > R(open0) * 3 / 4)) verdict = 2;
  return verdict;
}

void Battle::midGame(bool gisen) {
  moraleLine();
  board_.append("その流れのまま中盤戦に入り、");
  if (playerInvolved(gisen, 18)) board_.nextPage();
  Random& rng = board_.rng();
  real q[2];
  for (std::size_t i = 0; i < 2; ++i) {
    const int first = rng.d(6);
    q[i] = R(first + rng.d(6)) + R(side_[i].M) / 10;
  }
  const Side& s0 = side_[0];
  const Side& s1 = side_[1];
  const int first = firstStriker(R(s0.st + s0.cmd) + q[0], R(s1.st + s1.cmd) + q[1]);
  blow(first, q[first], R(side_[static_cast<std::size_t>(first)].g->seihei));
  blow(1 - first, q[1 - first], R(side_[static_cast<std::size_t>(1 - first)].g->seihei));
  if (playerInvolved(gisen, 18)) board_.nextPage();

  verdict_ = midGameVerdict(s0.M, s1.M, s0.M0, s1.M0);
  moraleLine();
}

void Battle::announce() {
  if (verdict_ == 1 || verdict_ == 2) {
    board_.textStep(35, side_[static_cast<std::size_t>(verdict_ - 1)].name);
  } else if (plan_ != 7) {
    board_.textStep(36);
  }
  board_.nextPage();
}

void Battle::outcome(bool gisen) {
  gun& g1 = *side_[0].g;
  gun& g2 = *side_[1].g;
  if (verdict_ == 0) {
    // An overwhelming advance that decided nothing ends the war without any outcome.
    if (plan_ != 7) Outcomes(board_).Hikiwake_rtn(g1, g2);
    return;
  }
  const Side& win = side_[static_cast<std::size_t>(verdict_ - 1)];
  const Side& lose = side_[static_cast<std::size_t>(2 - verdict_)];
  const Bushou& S = board_.officers[win.strategist];
  Outcomes outcomes(board_);
  if (plan_ == 7 && !gisen) {
    outcomes.Kouhuku_rtn(*win.g, *lose.g);
    board_.textStep(42, staffTitle(win), realStr(R(S.policy + S.tactics + 10) / 10));
    outcomes.Shouri_rtn(*win.g, *lose.g, S, true);
    outcomes.Haiboku_rtn2(*lose.g, S, *win.g);
    return;
  }
  board_.textStep(42, staffTitle(win), realStr(R(S.policy + S.tactics + 15) / 10));
  outcomes.Shouri_rtn(*win.g, *lose.g, S, false);
  outcomes.Haiboku_rtn(*lose.g, S, *win.g);
}

}  // namespace velkaro
