#pragma once
// The year's resolution: every chosen line of every panel is carried out once, by an actor
// chosen from the pooled officers of the factions that chose it.
#include <array>

#include "data/Bushou.h"
#include "data/GameContext.h"
#include "resolution/StrategyLine.h"

namespace velkaro {

class Board;
class ResolutionScreen;

class YearlyPass {
 public:
  explicit YearlyPass(ResolutionScreen& msg);

  // Luck, then each panel's lines in order. The closing steps belong to the caller.
  void run();

  // A war or righteous war was aimed at a human player's faction.
  bool attacked() const { return attacked_; }
  // Faction luck 2..12 of factions 1..19, drawn once per pass.
  const std::array<int, kPlayerSlots>& luck() const { return luck_; }

  // The selection of one line (candidates, draws, actor, best, last failure), without its roll.
  StrategyLine select(int panel, int line);

  // Which posts may not act for a strategy, which ability counts, and how the actor is chosen:
  // 'L' ability + faction luck, 'R' ability + a roll, 'D' a difficulty check first.
  struct Rule {
    unsigned excludedJobs;  // bit n = Job n
    int16 Bushou::*ability;
    char mode;
  };
  static const Rule* rule(int code);

 private:
  void playerHeadings(int panel, int line);
  void resolve(const StrategyLine& line);
  void war(const StrategyLine& line, bool gisen);

  ResolutionScreen& msg_;
  Board& board_;
  std::array<int, kPlayerSlots> luck_{};
  bool attacked_ = false;
};

}  // namespace velkaro
