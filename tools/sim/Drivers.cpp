#include "tools/sim/Drivers.h"

#include "persistence/SVLD.h"
#include "resolution/Msg.h"
#include "resolution/MsgPager.h"
#include "screens/Strate.h"

namespace velkaro::sim {

void Drivers::confirmStrategy(Screen& screen) {
  auto& explanation = static_cast<Strate&>(screen);
  explanation.Command1_Click(explanation.Command1[1].enabled ? 1 : 0);
}

Drivers::Pages Drivers::pageThrough(Screen& screen) {
  auto& msg = static_cast<Msg&>(screen);
  Pages pages;
  pages.wars = msg.warsFought;
  pages.righteousWars = msg.gisenFought;
  pages.texts = MsgPager::readAndClose(msg);
  return pages;
}

void Drivers::typeSlot(Screen& screen, const std::string& slot) {
  auto& svld = static_cast<SVLD&>(screen);
  svld.Command2_Click(0);
  for (char c : slot) {
    if (c >= '0' && c <= '9') svld.Command1_Click(c - '0');
  }
  svld.Command2_Click(1);
}

}  // namespace velkaro::sim
