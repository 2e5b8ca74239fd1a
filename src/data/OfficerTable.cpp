#include "data/OfficerTable.h"

namespace velkaro {

OfficerTable::OfficerTable() { clear(); }

void OfficerTable::clear() {
  for (auto& slot : slots_) slot = Bushou();
  slots_[0] = Bushou::placeholder();
}

Bushou& OfficerTable::operator[](int id) {
  if (id < 0 || id >= kSlots) {
    outside_ = Bushou::placeholder();
    return outside_;
  }
  return slots_[static_cast<std::size_t>(id)];
}

const Bushou& OfficerTable::operator[](int id) const { return const_cast<OfficerTable&>(*this)[id]; }

}  // namespace velkaro
