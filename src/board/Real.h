#pragma once
// The game's real intermediate values: single precision, as quotients of 16-bit values are.
// Floors of products depend on it (0.26 x 100 is 26 here, not 25.999...).

namespace velkaro {

using real = float;

// A whole number as a real; troop, morale and ability values are far inside float's exact range.
constexpr real R(long long value) { return static_cast<real>(value); }

}  // namespace velkaro
