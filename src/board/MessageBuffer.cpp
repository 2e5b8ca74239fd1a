#include "board/MessageBuffer.h"

namespace velkaro {

int MessageBuffer::lastPage() const {
  for (int i = 0; i < kPages; ++i) {
    if (isEot(i + 1)) return i;
  }
  return kPages - 1;
}

}  // namespace velkaro
