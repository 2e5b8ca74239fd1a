#include "tools/sim/Drivers.h"

#include "persistence/SVLD.h"
#include "resolution/Msg.h"
#include "screens/Strate.h"
#include "ui/scripted/ScriptedUi.h"

namespace velkaro::sim {

void Drivers::confirmStrategy(Screen& screen) {
  auto& explanation = static_cast<Strate&>(screen);
  explanation.Command1_Click(explanation.Command1[1].enabled ? 1 : 0);
}

Drivers::Pages Drivers::pageThrough(Screen& screen) {
  auto& msg = static_cast<Msg&>(screen);
  Pages pages;
  for (int i = 0; i < msg.pageCount(); ++i) pages.texts.push_back(msg.pageText(i));
  pages.wars = msg.warsFought;
  pages.righteousWars = msg.gisenFought;
  // "閉" as soon as it may be pressed; until then the last page, the next page, or the timer.
  for (int guard = 0; !msg.closed && guard < 1000; ++guard) {
    if (msg.Command1[0].enabled) {
      msg.Command1_Click(0);
    } else if (msg.Command1[3].enabled) {
      msg.Command1_Click(3);
    } else if (msg.Command1[2].enabled) {
      msg.Command1_Click(2);
    } else {
      ScriptedUi::fireTimers(msg);
    }
  }
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
