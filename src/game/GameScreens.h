#pragma once
// Every screen of the game by kind: the screen maker that the front ends hand to their Ui.
#include "ui/ScreenMaker.h"

namespace velkaro {

class GameScreens : public ScreenMaker {
 public:
  // The one maker; it holds no state, so all front ends and tests may share it.
  static const GameScreens& all();
  std::unique_ptr<Screen> make(ScreenKind kind, GameContext& context, Ui& ui) const override;
};

}  // namespace velkaro
