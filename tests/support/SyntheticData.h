#pragma once
// A small but complete ini folder written by the tests themselves: three scenario pairs with
// their officer and faction masters, backups, comments, name pools and template files.
#include <string>

#include "support/TempGameDir.h"

namespace velkaro::test {

struct SyntheticData {
  // Officer master text: officers 1..count; faction f (1..factions) is ruled by officer
  // 10*(f-1)+1, officers 10*(f-1)+2 .. 10*f serve him, the rest are unaffiliated.
  static std::string officerMaster(int count, int factions, const std::string& tag);
  static std::string factionMaster(int factions, const std::string& tag);
  static std::string pool(const std::string& stem, int count);
  static void install(const TempGameDir& game);
};

}  // namespace velkaro::test
