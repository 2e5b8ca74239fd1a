#include "tools/sim/Drivers.h"

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
  pages.texts = MsgPager::readAndClose(msg);
  pages.wars = msg.warsFought;
  pages.righteousWars = msg.gisenFought;
  return pages;
}

void Drivers::typeSlot(Screen& /*screen*/, const std::string& /*slot*/) {}

}  // namespace velkaro::sim
