#include "screens/StrategyExplanation.h"

#include "data/StatePaths.h"
#include "data/TemplateReader.h"
#include "data/TextFile.h"
#include "ui/ScreenKind.h"

namespace velkaro {

void StrategyExplanation::Form_Load() {
  init_rtn();
  dsp_Cmd_rtn();
  dsp_Text_rtn();
}

void StrategyExplanation::init_rtn() {
  caption = "戦略";
  lineBreak_ = kCrLf;
}

void StrategyExplanation::dsp_Cmd_rtn() {
  Command1[0].caption = "戻る";
  Command1[1].caption = "決定";
  // An offer aimed at no officer has no data to show: no half caption "のデータ".
  Command1[2].caption = ctx_.sharedName.empty() ? std::string() : ctx_.sharedName + "のデータ";
  Command1[2].visible = !ctx_.sharedName.empty();
  const int mode = ctx_.newOrLoaded;
  Command1[0].enabled = mode != 2;
  Command1[1].enabled = mode == 1 || mode == 2;
  Command1[2].enabled = ctx_.selectedOfficer >= 1;
}

std::string StrategyExplanation::ld_Text_rtn() const {
  return TemplateReader::singleText(ctx_.dir, paths::kCommand, ctx_.textNumber, ctx_.msgParam1, ctx_.msgParam2);
}

void StrategyExplanation::dsp_Text_rtn() {
  Label1.caption = ctx_.sharedText;
  Lab_txt.caption = ld_Text_rtn();
}

void StrategyExplanation::Command1_Click(int index) {
  if (index < 0 || index > 2 || !Command1[static_cast<std::size_t>(index)].enabled) return;
  switch (index) {
    case 1:
      ctx_.confirmResult = 1;
      unload();
      break;
    case 2:
      if (auto status = ui_.makeScreen(ScreenKind::OfficerStatus, ctx_)) ui_.showModal(*status);
      break;
    default: unload(); break;
  }
}

bool StrategyExplanation::Form_QueryUnload() {
  // Closing the window is "戻る", which mode 2 does not offer.
  return Command1[0].enabled;
}

}  // namespace velkaro
