#pragma once
// The six scenarios and the files, sizes and years that belong to each.
#include <string>

namespace velkaro {

struct Scenario {
  int number;
  const char* label;
  const char* officerMaster;
  const char* officerBackup;
  const char* factionMaster;
  int factionMax;
  int officerMax;
  int descriptionEntry;
  bool reassigned;  // the hypothetical variants scatter the officers
  int startYear;
  int endYear;

  // Scenarios outside 1..6 fall back to scenario 1's values where the game needs some.
  static const Scenario& byNumber(int number);
  static bool valid(int number) { return number >= 1 && number <= 6; }
  static constexpr int kCount = 6;
};

}  // namespace velkaro
