#include "data/JobAbilities.h"

#include <algorithm>

#include "data/Jobs.h"

namespace velkaro {

std::vector<int> JobAbilities::fields(int job) {
  switch (job) {
    case kBunkan: return {1};
    case kBukan: return {2};
    case kSanbou:
    case kGunshi: return {1, 3, 4};
    case kShougun: return {2, 3, 4};
    case kKunshu: return {1, 2, 3, 4};
    default: return {};
  }
}

bool JobAbilities::shows(int job, int field) {
  const auto shown = fields(job);
  return std::find(shown.begin(), shown.end(), field) != shown.end();
}

std::string JobAbilities::label(int field) {
  switch (field) {
    case 1: return Labels::policy;
    case 2: return Labels::fight;
    case 3: return Labels::wisdom;
    case 4: return Labels::tactics;
    default: return "";
  }
}

}  // namespace velkaro
