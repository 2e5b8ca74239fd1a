#include "data/Random.h"

#include <chrono>
#include <cmath>

namespace velkaro {

Random::Random() { engine_.seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())); }

void Random::fixSeed(std::uint64_t seed) {
  engine_.seed(seed);
  fixed_ = true;
}

void Random::reseedFromClock() {
  reseedFrom(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void Random::reseedFrom(std::uint64_t clockReading) {
  if (fixed_) return;
  engine_.seed(clockReading ^ engine_());
}

double Random::rnd() {
  ++draws_;
  if (!queued_.empty()) {
    const double value = queued_.front();
    queued_.pop_front();
    return value;
  }
  // 53 random bits give every double in [0, 1) on a uniform grid.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int Random::d(int n) { return n <= 0 ? 0 : static_cast<int>(std::floor(rnd() * n)); }

int Random::roll() {
  const int first = d(6);
  return first + d(6) + 2;
}

}  // namespace velkaro
