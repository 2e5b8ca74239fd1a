#include "data/Bushou.h"

#include <stdexcept>

namespace velkaro {

int16& Bushou::field(int n) {
  switch (n) {
    case 1: return policy;
    case 2: return fight;
    case 3: return wisdom;
    case 4: return tactics;
    case 5: return charm;
    case 6: return Setu;
    case 7: return kunID;
    case 8: return Job;
    default: throw std::out_of_range("officer field number");
  }
}

Bushou Bushou::placeholder() {
  Bushou b;
  b.policy = 0;
  b.fight = 0;
  b.jpg = "zouhyou1";
  return b;
}

}  // namespace velkaro
