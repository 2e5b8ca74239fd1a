#pragma once
// The simulator's yearly check of a running game: record fields within their type and meaning,
// membership, rulers and alliances, the panels of the main screen, and state files that read
// back equal to the tables the resolution screen wrote. Each finding is "rule: detail".
#include <array>
#include <string>
#include <vector>

#include "data/FactionTable.h"
#include "data/GameContext.h"
#include "data/GamePaths.h"
#include "data/OfficerTable.h"

namespace velkaro::sim {

using Findings = std::vector<std::string>;

class GameAudit {
 public:
  struct Sizes {
    int officerMax = 0;
    int factionMax = 0;
    int scenarioOfficers = 0;  // the master's own officers; those after them are fictional
  };

  // Every field of officers 1..officerMax and factions 1..factionMax.
  static void records(const OfficerTable& officers, const FactionTable& factions, const Sizes& sizes, Findings& out);
  // gunID as kunID and the rulers give it; every standing faction has a ruler of its own.
  static void membership(const OfficerTable& officers, const FactionTable& factions, const Sizes& sizes,
                         Findings& out);
  // At most three alliances, led by standing factions that hold an alliance slot; no destroyed faction in one.
  static void alliances(const FactionTable& factions, const std::array<int16, kPanels>& meishu, int factionMax,
                        Findings& out);
  // The faction ids listed in the four panels: every standing faction once, no destroyed one.
  static void panels(const std::array<std::vector<int>, kPanels>& listed, const FactionTable& factions, int factionMax,
                     Findings& out);
  // Reads the state files with the game's own loaders and compares them with what was written.
  static void stateFiles(const GamePaths& dir, const OfficerTable& officers, const FactionTable& factions,
                         const Sizes& sizes, Findings& out);
  // Loads both state files (the game's table loaders) and runs records, membership and alliances on them.
  static void state(const GamePaths& dir, const std::array<int16, kPanels>& meishu, const Sizes& sizes, Findings& out);
};

}  // namespace velkaro::sim
