#pragma once
// The one random generator of the game: uniform reals in [0, 1), with an optional fixed seed.
#include <cstdint>
#include <deque>
#include <random>

namespace velkaro {

class Random {
 public:
  Random();

  // Fixes the seed; from now on reseedFromClock() does nothing, so a whole game replays identically.
  void fixSeed(std::uint64_t seed);
  bool seedFixed() const { return fixed_; }

  // The game re-seeds from the clock before many draws; ignored once a seed is fixed.
  void reseedFromClock();
  // The same with a given clock reading. The reading is mixed into the generator's state, so
  // re-seeds within one tick of a coarse clock (a browser's is 0.1 ms or more) still go on to
  // new draws instead of repeating the last ones.
  void reseedFrom(std::uint64_t clockReading);

  // A uniform real in [0, 1).
  double rnd();
  // d(n) = Int(rnd * n): an integer 0..n-1.
  int d(int n);
  // The standard roll d(6) + d(6) + 2 (2..12).
  int roll();

  // For tests that need particular draws: rnd() returns these values first, in order.
  void queueDraws(const std::deque<double>& values) { queued_.insert(queued_.end(), values.begin(), values.end()); }
  std::size_t queuedDraws() const { return queued_.size(); }
  // Every rnd() so far, queued or not.
  std::uint64_t drawCount() const { return draws_; }

 private:
  std::mt19937_64 engine_;
  bool fixed_ = false;
  std::deque<double> queued_;
  std::uint64_t draws_ = 0;
};

}  // namespace velkaro
