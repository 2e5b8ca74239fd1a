#include "turn/ComputerChoice.h"

#include <vector>

#include "data/Membership.h"
#include "data/StateFiles.h"
#include "turn/Strategy.h"

namespace velkaro {

void ComputerChoice::Tagun_rtn(const std::array<ListBox, kPanels>& factionLists) {
  FactionTable factions;
  OfficerTable officers;
  StateFiles files(ctx_.dir);
  files.loadFactions(factions, ctx_.FACTION_MAX);
  files.loadOfficers(officers, ctx_.OFFICER_MAX);
  Membership::computeGunshi(factions, officers, ctx_.OFFICER_MAX, ctx_.FACTION_MAX);
  ctx_.rng.reseedFromClock();
  for (int k = 0; k < kPanels; ++k) {
    for (const auto& item : factionLists[static_cast<std::size_t>(k)].items) {
      if (item.itemData < 0 || item.itemData >= kFactionSlots) continue;
      ctx_.chosenLine[static_cast<std::size_t>(item.itemData)] = searchCommand(item.itemData, k, factions);
    }
  }
}

int16 ComputerChoice::searchCommand(int faction, int panel, const FactionTable& factions) {
  const auto k = static_cast<std::size_t>(panel);
  const int lines = ctx_.menuLines[k];
  const long own = strength(factions[faction]);
  std::vector<int16> candidates;
  for (int p = 0; p < lines && p < kMenuLines; ++p) {
    const int strategy = ctx_.menuStrategy[k][static_cast<std::size_t>(p)];
    if (strategy == kSensou || strategy == kGisen) {
      const long weighted = own * (strategy == kGisen ? 2 : 1);
      const long enemy = strength(factions[ctx_.param1[k][static_cast<std::size_t>(p)]]);
      if (enemy < weighted || weighted >= 2001) candidates.push_back(static_cast<int16>(p));
    } else {
      candidates.push_back(static_cast<int16>(p));
    }
  }
  if (!candidates.empty()) {
    return candidates[static_cast<std::size_t>(ctx_.rng.d(static_cast<int>(candidates.size())))];
  }
  if (lines == 0) return 0;
  const int line = ctx_.rng.d(lines);
  return ctx_.menuStrategy[k][static_cast<std::size_t>(line)] == kTaiki ? int16{0} : static_cast<int16>(line);
}

}  // namespace velkaro
