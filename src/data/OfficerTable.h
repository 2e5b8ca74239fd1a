#pragma once
// The officer table: slots 0..200 indexed by officer id; slot 0 is the placeholder "何某".
#include <array>

#include "data/Bushou.h"

namespace velkaro {

class OfficerTable {
 public:
  static constexpr int kSlots = 201;

  OfficerTable();

  // Ids outside 0..200 resolve to a fresh placeholder, never to another officer.
  Bushou& operator[](int id);
  const Bushou& operator[](int id) const;

  void clear();

 private:
  std::array<Bushou, kSlots> slots_;
  mutable Bushou outside_;
};

}  // namespace velkaro
