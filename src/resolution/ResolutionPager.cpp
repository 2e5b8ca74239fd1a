#include "resolution/ResolutionPager.h"

namespace velkaro {

std::vector<std::string> ResolutionPager::readAndClose(ResolutionScreen& msg) {
  std::vector<std::string> shown{msg.Label1.caption};
  // Each press moves one page on, so 41 presses reach any last page.
  for (int guard = 0; guard < MessageBuffer::kPages && msg.Command1[2].enabled; ++guard) {
    msg.Command1_Click(2);
    shown.push_back(msg.Label1.caption);
  }
  for (int guard = 0; guard < MessageBuffer::kPages && !msg.Command1[0].enabled; ++guard) msg.Timer1_Timer();
  msg.Command1_Click(0);
  return shown;
}

ScriptedUi::Handler ResolutionPager::handler(std::function<void(ResolutionScreen&, const std::vector<std::string>&)> sink) {
  return [sink](Screen& screen) {
    auto& msg = static_cast<ResolutionScreen&>(screen);
    const std::vector<std::string> pages = readAndClose(msg);
    if (sink) sink(msg, pages);
  };
}

}  // namespace velkaro
