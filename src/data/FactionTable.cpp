#include "data/FactionTable.h"

namespace velkaro {

FactionTable::FactionTable() { clear(); }

void FactionTable::clear() {
  for (auto& slot : slots_) slot = gun();
  slots_[0] = gun::placeholder();
}

gun& FactionTable::operator[](int id) {
  if (id < 0 || id >= kSlots) {
    outside_ = gun::placeholder();
    return outside_;
  }
  return slots_[static_cast<std::size_t>(id)];
}

const gun& FactionTable::operator[](int id) const { return const_cast<FactionTable&>(*this)[id]; }

}  // namespace velkaro
