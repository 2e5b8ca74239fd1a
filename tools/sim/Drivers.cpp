#include "tools/sim/Drivers.h"

#include "persistence/SaveLoadScreen.h"
#include "resolution/ResolutionScreen.h"
#include "resolution/ResolutionPager.h"
#include "screens/StrategyExplanation.h"

namespace velkaro::sim {

void Drivers::confirmStrategy(Screen& screen) {
  auto& explanation = static_cast<StrategyExplanation&>(screen);
  explanation.Command1_Click(explanation.Command1[1].enabled ? 1 : 0);
}

Drivers::Pages Drivers::pageThrough(Screen& screen) {
  auto& msg = static_cast<ResolutionScreen&>(screen);
  Pages pages;
  pages.wars = msg.warsFought;
  pages.righteousWars = msg.gisenFought;
  pages.texts = ResolutionPager::readAndClose(msg);
  return pages;
}

void Drivers::typeSlot(Screen& screen, const std::string& slot) {
  auto& svld = static_cast<SaveLoadScreen&>(screen);
  svld.Command2_Click(0);
  for (char c : slot) {
    if (c >= '0' && c <= '9') svld.Command1_Click(c - '0');
  }
  svld.Command2_Click(1);
}

}  // namespace velkaro::sim
