#include "editors/EditBatch.h"

#include "data/DataError.h"
#include "data/Durable.h"
#include "data/TextFile.h"

namespace velkaro {

void EditBatch::add(const std::string& file, std::string bytes) {
  changes_.push_back({file, TextFile::readBytes(dir_, file), std::move(bytes)});
}

void EditBatch::commit() {
  for (std::size_t i = 0; i < changes_.size(); ++i) {
    if (Durable::write(dir_.resolve(changes_[i].file), changes_[i].after)) continue;
    for (std::size_t k = 0; k < i; ++k) Durable::write(dir_.resolve(changes_[k].file), changes_[k].before);
    throw DataError::unwritable(changes_[i].file);
  }
}

}  // namespace velkaro
