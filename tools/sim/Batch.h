#pragma once
// Many simulated games: game i plays seed S + i (scenario N, or 1..6 in turn), each in its own
// sub-folder of DIR, in up to `jobs` processes at once. A game that breaks a checked rule,
// refuses to go on or dies is a failure; the others are gathered for the statistics.
#include <string>
#include <vector>

#include "tools/sim/Simulation.h"

namespace velkaro::sim {

class Batch {
 public:
  struct Settings {
    Options base;  // dir, seed (the first one), scenario and every other game option
    int games = 1;
    bool allScenarios = false;
    int jobs = 1;
  };
  struct Outcome {
    std::vector<Summary> games;         // finished games, in game order
    std::vector<std::string> failures;  // one message per failed game, in game order
  };

  explicit Batch(Settings settings);

  // The options of game i (0-based).
  Options gameOptions(int index) const;
  Outcome run();

  // False where no process can be started (WebAssembly under node): every game is played in
  // this one, one after another, whatever `jobs` says; the results are the same.
#ifdef __EMSCRIPTEN__
  static constexpr bool kCanFork = false;
#else
  static constexpr bool kCanFork = true;
#endif

  static constexpr const char* kRecordFile = "result.txt";
  static constexpr const char* kFailureFile = "failure.txt";

 private:
  // Plays game i here; returns the failure message, empty on success, and leaves the record file.
  std::string playHere(int index) const;
  void playForked(Outcome& outcome) const;
  void gather(int index, Outcome& outcome, const std::string& death) const;

  Settings settings_;
};

}  // namespace velkaro::sim
