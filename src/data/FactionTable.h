#pragma once
// The faction table: slots 0..20 indexed by faction id; slot 0 is the placeholder "某国".
#include <array>

#include "data/Gun.h"

namespace velkaro {

class FactionTable {
 public:
  static constexpr int kSlots = 21;

  FactionTable();

  // Ids outside 0..20 resolve to a fresh placeholder, never to another faction.
  gun& operator[](int id);
  const gun& operator[](int id) const;

  void clear();

 private:
  std::array<gun, kSlots> slots_;
  mutable gun outside_;
};

}  // namespace velkaro
