#include "turn/ResolutionCall.h"

#include "resolution/ResolutionScreen.h"

namespace velkaro {

YearOutcome ResolutionCall::open(GameContext& ctx, Ui& ui, int16 textHeight) {
  ResolutionScreen msg(ctx, ui);
  msg.parmTextHeight = textHeight;
  ui.showModal(msg);
  YearOutcome outcome;
  if (ctx.runMode == 1) {
    outcome.playerDestroyed = msg.Metubou_Flg;
    outcome.allPlayersDestroyed = msg.checkAllMetubou();
  }
  return outcome;
}

}  // namespace velkaro
