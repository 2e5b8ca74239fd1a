#pragma once
// Reads a shown resolution screen through its own buttons and closes it, for front ends
// without windows (tests, the simulator).
#include <functional>
#include <string>
#include <vector>

#include "resolution/ResolutionScreen.h"
#include "ui/scripted/ScriptedUi.h"

namespace velkaro {

class ResolutionPager {
 public:
  // Every page as it is shown, from the first to the last, then "閉". The credits' timer is
  // fired while "閉" is still disabled.
  static std::vector<std::string> readAndClose(ResolutionScreen& msg);

  // A ScriptedUi handler for "ResolutionScreen" that hands each screen's pages to `sink`.
  static ScriptedUi::Handler handler(std::function<void(ResolutionScreen&, const std::vector<std::string>&)> sink = {});
};

}  // namespace velkaro
