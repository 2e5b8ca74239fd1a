#pragma once
// One line of a panel's strategy menu as the yearly pass resolves it: its offer and the
// outcome of the actor selection.
#include "data/Numbers.h"

namespace velkaro {

struct StrategyLine {
  int panel = 0;
  int line = 0;
  int code = 0;         // strategy number
  int16 param1 = 0;     // target: an officer or a faction, by strategy
  int16 param2 = 0;     // amount
  int16 param3 = 0;     // difficulty
  int16 actor = 0;      // 0 = nobody acts
  int16 best = 0;       // the actor's selection score
  int16 lastFailure = 0;  // the last candidate who failed the difficulty check
  int roll = 0;         // drawn for the line after the selection
};

}  // namespace velkaro
