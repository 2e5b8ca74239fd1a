#pragma once
// Checks one scenario's officer and faction masters: record counts and order, value ranges,
// rulers and alliances that agree between the two files, and the comment numbers used.
#include <set>
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "setup/Scenario.h"

namespace velkaro {

class MasterCheck {
 public:
  // Each input may be missing (null) when its file is absent or unreadable; the checks that
  // need it are then left out rather than reported as failures of the other files.
  static void run(const Scenario& scenario, const std::vector<std::string>* officerLines,
                  const std::vector<std::string>* factionLines, const std::set<int>* commentNumbers,
                  CheckReport& report);

  static constexpr int kAbilityMin = 1;
  static constexpr int kAbilityMax = 10;
  static constexpr int kMaxAllianceLeaders = 3;
  static constexpr int kFictional = 200;  // the commentID of generated officers only
};

}  // namespace velkaro
