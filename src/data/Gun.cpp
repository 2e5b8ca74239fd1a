#include "data/Gun.h"

#include <stdexcept>

namespace velkaro {

int16& gun::field(int n) {
  switch (n) {
    case 1: return meishuID;
    case 2: return kunshuID;
    case 3: return army;
    case 4: return seihei;
    case 5: return meisei;
    case 6: return tian;
    case 7: return kessoku;
    case 8: return ifu;
    default: throw std::out_of_range("faction field number");
  }
}

gun gun::placeholder() {
  gun g;
  g.name = "某国";
  g.del = true;
  return g;
}

}  // namespace velkaro
