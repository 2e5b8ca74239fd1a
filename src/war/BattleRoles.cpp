#include "war/BattleRoles.h"

#include <optional>

#include "data/Jobs.h"

namespace velkaro {

template <typename Score>
RolePick BattleRoles::pick(const gun& g1, Score score) {
  RolePick best;
  for (int i = 1; i <= board_.officerMax(); ++i) {
    const Bushou& b = board_.officers[i];
    if (b.gunID != g1.id) continue;
    const std::optional<double> s = score(b);
    if (!s || *s <= best.score) continue;
    best.id = static_cast<int16>(i);
    // The best is kept as an integer, so an x.5 score is compared as its even neighbour.
    best.score = cint(*s);
  }
  register_ = best.score;
  return best;
}

template <typename Counts>
int16 BattleRoles::total(const gun& g1, Counts counts) {
  long long sum = 0;
  for (int i = 1; i <= board_.officerMax(); ++i) {
    const Bushou& b = board_.officers[i];
    if (b.gunID == g1.id) sum += counts(b);
  }
  register_ = sum < 1 ? int16{1} : sat16(sum);
  return register_;
}

RolePick BattleRoles::Taishou_rtn(const gun& g1) {
  Random& rng = board_.rng();
  return pick(g1, [&](const Bushou& b) -> std::optional<double> {
    if (b.Job != kShougun && b.Job != kKunshu && b.Job != kGunshi) return std::nullopt;
    const int bonus = rng.d(3);
    return b.tactics + b.charm + bonus + rng.d(3) + 2;
  });
}

RolePick BattleRoles::Gunsi_rtn(const gun& g1) {
  Random& rng = board_.rng();
  return pick(g1, [&](const Bushou& b) -> std::optional<double> {
    if (b.Job == kGunshi || b.Job == kSanbou) {
      const int bonus = rng.d(3);
      return b.tactics + b.wisdom + bonus + rng.d(3) + 2;
    }
    if (b.Job == kShougun) {
      const int bonus = rng.d(3);
      return b.wisdom / 2.0 + b.tactics + bonus + rng.d(3) + 2;
    }
    return std::nullopt;
  });
}

RolePick BattleRoles::Shougun_rtn(const gun& g1) {
  Random& rng = board_.rng();
  return pick(g1, [&](const Bushou& b) -> std::optional<double> {
    if (b.Job != kShougun) return std::nullopt;
    const int bonus = rng.d(3);
    return b.tactics + bonus + rng.d(3) + 2;
  });
}

RolePick BattleRoles::Ikki_rtn(const gun& g1) {
  Random& rng = board_.rng();
  return pick(g1, [&](const Bushou& b) -> std::optional<double> {
    if (b.Job != kShougun && b.Job != kKunshu && b.Job != kBukan) return std::nullopt;
    return b.fight + rng.d(2) + 1;
  });
}

int16 BattleRoles::Ttl_Shou_rtn(const gun& g1) {
  return total(g1, [](const Bushou& b) { return b.Job == kShougun ? b.tactics : 0; });
}

int16 BattleRoles::Ttl_Fgt_rtn(const gun& g1) {
  return total(g1, [](const Bushou& b) { return b.Job == kShougun ? b.fight : 0; });
}

int16 BattleRoles::Ttl_Plc_rtn(const gun& g1) {
  return total(g1, [](const Bushou& b) {
    const bool counts = b.Job == kBunkan || b.Job == kSanbou || b.Job == kShougun || b.Job == kGunshi;
    return counts ? b.policy : 0;
  });
}

int16 BattleRoles::Ttl_Wis_rtn(const gun& g1) {
  return total(g1, [](const Bushou& b) {
    const bool counts = b.Job == kSanbou || b.Job == kShougun || b.Job == kGunshi;
    return counts ? b.tactics : 0;
  });
}

}  // namespace velkaro
