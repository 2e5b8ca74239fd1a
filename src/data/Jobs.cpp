#include "data/Jobs.h"

namespace velkaro {

std::string Jobs::label(int job) {
  switch (job) {
    case kBunkan: return "文官";
    case kBukan: return "武官";
    case kSanbou: return "参謀";
    case kShougun: return "将軍";
    case kKunshu: return "君主";
    case kGunshi: return "軍師";
    default: return "";
  }
}

}  // namespace velkaro
