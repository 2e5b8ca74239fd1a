#pragma once
// Checks a name pool ("\ini\sei.ini", "\ini\mei.ini"): enough items, and names the game can store.
#include <string>
#include <vector>

#include "check/CheckReport.h"

namespace velkaro {

class PoolCheck {
 public:
  // `needed` items are read in file order; a family name also starts each generated name.
  static void run(const std::string& file, const std::vector<std::string>& lines, int needed, bool familyNames,
                  CheckReport& report);
};

}  // namespace velkaro
