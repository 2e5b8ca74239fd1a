#include "turn/ResolutionCall.h"

#include "screens/ScreenFactory.h"

namespace velkaro {

YearOutcome ResolutionCall::open(GameContext& ctx, Ui& ui, int16 /*textHeight*/) {
  YearOutcome outcome;
  if (auto screen = ScreenFactory::make(ScreenKind::Msg, ctx, ui)) ui.showModal(*screen);
  return outcome;
}

}  // namespace velkaro
