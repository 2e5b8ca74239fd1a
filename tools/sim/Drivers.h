#pragma once
// How the simulator presses the buttons of the screens it meets.
#include <string>
#include <vector>

#include "ui/Screen.h"

namespace velkaro::sim {

class Drivers {
 public:
  struct Pages {
    std::vector<std::string> texts;
    int wars = 0;
    int righteousWars = 0;
  };

  // The explanation screen: "決定" when it may confirm, otherwise "戻る".
  static void confirmStrategy(Screen& screen);
  // The resolution screen: every page as it is shown, then "閉".
  static Pages pageThrough(Screen& screen);
  // The save/load screen: types the slot's digits and presses "決定".
  static void typeSlot(Screen& screen, const std::string& slot);
};

}  // namespace velkaro::sim
