#pragma once
// Opens the resolution screen for the main screen and hands back what it reports.
#include "data/GameContext.h"
#include "ui/Ui.h"

namespace velkaro {

struct YearOutcome {
  bool playerDestroyed = false;      // a human player's faction fell this year
  bool allPlayersDestroyed = false;  // every human player's faction is gone
};

class ResolutionCall {
 public:
  // Opens the resolution screen modally in the current run mode; textHeight is its
  // parmTextHeight (0 = automatic).
  static YearOutcome open(GameContext& ctx, Ui& ui, int16 textHeight = 0);
};

}  // namespace velkaro
