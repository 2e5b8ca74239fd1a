#include "turn/YearEnd.h"

#include <algorithm>
#include <cmath>

#include "data/Jobs.h"
#include "data/StatePaths.h"
#include "data/TemplateReader.h"

namespace velkaro {
namespace {
using Table = std::array<int, FactionTable::kSlots>;
}  // namespace

YearEnd::YearEnd(GameContext& context, const StateFiles::FactionColumn& rulers, PageTable& report)
    : ctx_(context), rulers_(rulers), report_(report) {}

int YearEnd::scandalRoll(Random& rng) {
  const int a = static_cast<int>(std::floor(rng.rnd() * 2));
  const int b = static_cast<int>(std::floor(rng.rnd() * 6));
  return a * b;
}

int YearEnd::factionOf(int kunID) const {
  int found = 0;
  for (int f = 1; f <= ctx_.FACTION_MAX && f < FactionTable::kSlots; ++f) {
    if (rulers_[static_cast<std::size_t>(f)] == kunID) found = f;
  }
  return found;
}

void YearEnd::textStep(int number, const std::string& param1, const std::string& param2) {
  ctx_.msgParam1 = param1;
  ctx_.msgParam2 = param2;
  ctx_.textNumber = static_cast<int16>(number);
  TemplateReader::appendSection(ctx_.dir, paths::kText, number, param1, param2, report_);
}

void YearEnd::Policy_rtn() {
  Table gain{}, divisor{}, culprit{};
  StateFiles files(ctx_.dir);
  const auto jobs = files.loadOfficerColumn(8, ctx_.OFFICER_MAX);
  const auto masters = files.loadOfficerColumn(7, ctx_.OFFICER_MAX);
  const auto policies = files.loadOfficerColumn(1, ctx_.OFFICER_MAX);
  ctx_.rng.reseedFromClock();
  for (int i = 1; i <= ctx_.OFFICER_MAX && i < OfficerTable::kSlots; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (jobs[slot] == kBukan || jobs[slot] == kShougun || masters[slot] == 0) continue;
    const auto f = static_cast<std::size_t>(factionOf(masters[slot]));
    const int policy = policies[slot];
    if (policy > 4) gain[f] += policy - 4;
    if (policy <= 5) {
      const int s = scandalRoll(ctx_.rng);
      if (policy < s) {
        // An edited master may hold policy 0 or less; such an officer counts as policy 1.
        divisor[f] = cint(static_cast<double>(s) / std::max(policy, 1));
        culprit[f] = i;
      }
    }
  }
  for (int id = 1; id <= ctx_.FACTION_MAX && id < FactionTable::kSlots; ++id) {
    const auto f = static_cast<std::size_t>(id);
    gun g;
    if (!files.loadFaction(id, ctx_.FACTION_MAX, g)) continue;
    g.tian = sat16(std::min(static_cast<long long>(g.tian) + gain[f], 100LL));
    files.saveFaction(g);
    if (divisor[f] > 0) {
      g.tian = sat16(intFloor(static_cast<double>(g.tian) / divisor[f]));
      files.saveFaction(g);
      const Bushou who = files.loadOfficer(culprit[f], ctx_.OFFICER_MAX);
      textStep(11, g.name, who.name);
    }
  }
}

void YearEnd::Jinji_rtn() {
  Table best{}, bestOfficer{}, divisor{}, culprit{};
  StateFiles files(ctx_.dir);
  const auto jobs = files.loadOfficerColumn(8, ctx_.OFFICER_MAX);
  const auto masters = files.loadOfficerColumn(7, ctx_.OFFICER_MAX);
  const auto charms = files.loadOfficerColumn(5, ctx_.OFFICER_MAX);
  ctx_.rng.reseedFromClock();
  for (int i = 1; i <= ctx_.OFFICER_MAX && i < OfficerTable::kSlots; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (jobs[slot] == kBunkan || jobs[slot] == kBukan || masters[slot] == 0) continue;
    const auto f = static_cast<std::size_t>(factionOf(masters[slot]));
    const int charm = charms[slot];
    const int r = ctx_.rng.roll();
    if (charm + r >= best[f]) {
      best[f] = charm;
      bestOfficer[f] = i;
    }
    if (charm <= 5) {
      const int s = scandalRoll(ctx_.rng);
      if (charm < s) {
        divisor[f] = cint(s / 2.0);
        culprit[f] = i;
      }
    }
  }
  for (int id = 1; id <= ctx_.FACTION_MAX && id < FactionTable::kSlots; ++id) {
    const auto f = static_cast<std::size_t>(id);
    gun g;
    if (!files.loadFaction(id, ctx_.FACTION_MAX, g)) continue;
    const int r = ctx_.rng.roll();
    if (r < best[f]) {
      g.kessoku = sat16(std::min(static_cast<long long>(g.kessoku) + best[f], 100LL));
      files.saveFaction(g);
      const Bushou who = files.loadOfficer(bestOfficer[f], ctx_.OFFICER_MAX);
      textStep(45, g.name, who.name);
    }
    if (divisor[f] > 0) {
      g.kessoku = sat16(intFloor(static_cast<double>(g.kessoku) / divisor[f]));
      files.saveFaction(g);
      const Bushou who = files.loadOfficer(culprit[f], ctx_.OFFICER_MAX);
      textStep(38, g.name, who.name);
    }
  }
}

}  // namespace velkaro
