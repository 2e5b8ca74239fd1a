#pragma once
// Which abilities each post shows on the officer screens and in the officer editor.
#include <string>
#include <vector>

#include "data/Bushou.h"

namespace velkaro {

class JobAbilities {
 public:
  // The officer's numeric fields (1 政治, 2 武勇, 3 智謀, 4 采配) shown for the post, in order;
  // empty for a post outside 1..6. 器量 and 節度 are always shown and are not listed here.
  static std::vector<int> fields(int job);
  static bool shows(int job, int field);
  // "政治", "武勇", "智謀", "采配" for fields 1..4.
  static std::string label(int field);
};

}  // namespace velkaro
