#include "ui/Controls.h"

namespace velkaro {

const std::string& ListBox::text(int index) const {
  static const std::string empty;
  return valid(index) ? items[static_cast<std::size_t>(index)].text : empty;
}

}  // namespace velkaro
