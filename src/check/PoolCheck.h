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
  // No family name + given name the game can generate is a person of "\ini\Comment.ini" (its
  // records' names), and no given name is a courtesy name written there as 「字は…。」: a
  // fictional officer must never pass for a historical one.
  static void pairs(const std::vector<std::string>& seiLines, const std::vector<std::string>& meiLines,
                    const std::vector<std::string>& commentLines, CheckReport& report);
};

}  // namespace velkaro
