#include "resolution/YearlyPass.h"

#include <algorithm>

#include "data/TextFile.h"
#include "resolution/Campaigns.h"
#include "resolution/Diplomacy.h"
#include "resolution/ResolutionScreen.h"

namespace velkaro {
namespace {

constexpr unsigned jobs(std::initializer_list<int> list) {
  unsigned mask = 0;
  for (int job : list) mask |= 1u << job;
  return mask;
}

const YearlyPass::Rule kRules[13] = {
    {0, nullptr, 0},                               // 0 待機: nobody acts
    {jobs({1, 2}), &Bushou::charm, 'D'},           // 1 人材募集
    {jobs({2, 4}), &Bushou::policy, 'R'},          // 2 兵力確保
    {jobs({1, 2, 4}), &Bushou::wisdom, 'D'},       // 3 調略
    {jobs({1, 3, 6}), &Bushou::fight, 'R'},        // 4 黄巾賊退治
    {jobs({1, 2, 3}), &Bushou::tactics, 'D'},      // 5 異民族討伐
    {jobs({1, 2, 4}), &Bushou::charm, 'D'},        // 6 調停
    {jobs({2, 4}), &Bushou::policy, 'D'},          // 7 糾弾
    {jobs({2, 4}), &Bushou::policy, 'L'},          // 8 同盟参加
    {jobs({1, 2}), &Bushou::wisdom, 'R'},          // 9 脱退
    {jobs({1, 2, 4}), &Bushou::wisdom, 'L'},       // 10 盟主交替
    {jobs({1, 2}), &Bushou::wisdom, 'L'},          // 11 戦争
    {jobs({1, 2, 4}), &Bushou::policy, 'L'},       // 12 義戦
};

}  // namespace

const YearlyPass::Rule* YearlyPass::rule(int code) { return code >= 1 && code <= 12 ? &kRules[code] : nullptr; }

YearlyPass::YearlyPass(ResolutionScreen& msg) : msg_(msg), board_(msg.board()) {}

void YearlyPass::run() {
  Random& rng = board_.rng();
  luck_.fill(0);
  for (int f = 1; f <= 19; ++f) luck_[static_cast<std::size_t>(f)] = rng.roll();
  attacked_ = false;

  GameContext& ctx = board_.ctx;
  for (int p = 0; p < kPanels; ++p) {
    const int lines = std::clamp<int>(ctx.menuLines[static_cast<std::size_t>(p)], 0, kMenuLines);
    for (int j = 0; j < lines; ++j) {
      playerHeadings(p, j);
      StrategyLine line = select(p, j);
      if (p == 0 && j == 0) ctx.confirmResult = 0;
      line.roll = rng.roll();
      if (line.actor != 0 && line.code >= 0 && line.code < static_cast<int>(msg_.carriedOut.size())) {
        ++msg_.carriedOut[static_cast<std::size_t>(line.code)];
      }
      resolve(line);
    }
  }
}

void YearlyPass::playerHeadings(int panel, int line) {
  const GameContext& ctx = board_.ctx;
  for (int k = 0; k < kPlayerSlots; ++k) {
    const int f = ctx.playerFaction[static_cast<std::size_t>(k)];
    if (f <= 0 || f >= kFactionSlots) continue;
    const auto slot = static_cast<std::size_t>(f);
    if (ctx.factionPanel[slot] != panel || ctx.chosenLine[slot] != line) continue;
    board_.append("***" + board_.factions[f].name + "（プレイヤー）が関わった作戦***" + kCrLf);
  }
}

StrategyLine YearlyPass::select(int panel, int line) {
  const GameContext& ctx = board_.ctx;
  const auto p = static_cast<std::size_t>(panel);
  const auto j = static_cast<std::size_t>(line);
  StrategyLine s;
  s.panel = panel;
  s.line = line;
  s.code = ctx.menuStrategy[p][j];
  s.param1 = ctx.param1[p][j];
  s.param2 = ctx.param2[p][j];
  s.param3 = ctx.param3[p][j];
  const Rule* r = rule(s.code);
  if (r == nullptr) return s;

  Random& rng = board_.rng();
  for (int i = 1; i <= board_.officerMax(); ++i) {
    const Bushou& b = board_.officers[i];
    if (b.kunID <= 0) continue;
    const int g = b.gunID;
    if (g < 0 || g >= kFactionSlots || board_.factions[g].del) continue;
    const auto slot = static_cast<std::size_t>(g);
    if (ctx.factionPanel[slot] != panel || ctx.chosenLine[slot] != line) continue;
    if (b.Job >= 0 && b.Job < 32 && ((r->excludedJobs >> b.Job) & 1u) != 0) continue;

    const int a = b.*(r->ability);
    int score = 0;
    switch (r->mode) {
      case 'L': score = a + luck_[slot]; break;
      case 'R': score = a + rng.roll(); break;
      default: {
        const int u = rng.roll();
        const int v = rng.roll();
        if (a + u < s.param3 + v) {
          s.lastFailure = static_cast<int16>(i);
          continue;
        }
        s.lastFailure = 0;
        score = a + rng.roll();
        break;
      }
    }
    // Ties keep the earlier officer.
    if (score > s.best) {
      s.actor = static_cast<int16>(i);
      s.best = sat16(score);
    }
  }
  return s;
}

void YearlyPass::resolve(const StrategyLine& line) {
  Campaigns campaigns(board_);
  Diplomacy diplomacy(board_);
  switch (line.code) {
    case 1: campaigns.recruit(line); break;
    case 2: campaigns.raiseTroops(line); break;
    case 3: campaigns.subvert(line); break;
    case 4: campaigns.yellowTurbans(line); break;
    case 5: campaigns.borderPeoples(line); break;
    case 6: diplomacy.mediate(line); break;
    case 7: diplomacy.denounce(line); break;
    case 8: diplomacy.joinAlliance(line); break;
    case 9: diplomacy.leaveAlliance(line); break;
    case 10: diplomacy.replaceLeader(line); break;
    case 11: war(line, false); break;
    case 12: war(line, true); break;
    default: break;
  }
}

void YearlyPass::war(const StrategyLine& line, bool gisen) {
  if (line.actor == 0) return;
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  if (actor.gunID == line.param1) {
    board_.textStep(32, actor.name, "");
    return;
  }
  // An offer dealt when there was no enemy names no standing faction: there is nobody to fight.
  if (!board_.isFaction(line.param1) || board_.factions[line.param1].del) return;
  gun& target = board_.factions[line.param1];
  if (gisen) acting.meisei = sat16(std::min(acting.meisei + 5, 200));
  const std::string joined = gisen ? "は" : "を中心とした連合軍は、";
  board_.textStep(12, actor.name, acting.name + joined + target.name);
  if (board_.isPlayer(target.id)) {
    board_.append(std::string("*** プレイヤーの国が攻撃を受けました ***") + kCrLf);
    attacked_ = true;
  }
  board_.nextPage();
  if (gisen) {
    msg_.Gisen_rtn(acting, target);
    board_.nextPage();
  } else {
    msg_.War_rtn(acting, target);
  }
}

}  // namespace velkaro
