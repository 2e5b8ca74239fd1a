#pragma once
// The statistics of many simulated games, printed by `velkaro-sim --stats` as one JSON line:
// per faction how often it finished first and its mean score, how often and when it fell; the
// factions alive at the end; the strategies carried out; the battles by plan and verdict.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/sim/Simulation.h"

namespace velkaro::sim {

class BatchStats {
 public:
  void add(const Summary& game);
  void addFailure() { ++failed_; }

  int games() const { return games_; }
  int failed() const { return failed_; }
  double meanAlive() const;
  double medianAlive() const;
  std::string json() const;

  struct Faction {
    int games = 0;
    int first = 0;
    double scoreSum = 0;
    int destroyed = 0;
    long destroyedYearSum = 0;
  };
  // Keyed by (faction id, name): the same id names other factions in other scenarios.
  const std::map<std::pair<int, std::string>, Faction>& factions() const { return factions_; }

 private:
  int games_ = 0;
  int failed_ = 0;
  std::map<std::pair<int, std::string>, Faction> factions_;
  std::vector<int> alive_;
  std::array<long, 14> carriedOut_{};
  std::map<std::array<int, 3>, long> battles_;
};

}  // namespace velkaro::sim
