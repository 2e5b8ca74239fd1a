#include "ui/scripted/ScriptedUi.h"

#include <algorithm>

namespace velkaro {

void ScriptedUi::note(const std::string& text) { transcript.push_back(text); }

MsgResult ScriptedUi::msgBox(const std::string& prompt, MsgStyle style, const std::string& /*title*/) {
  messages.push_back(prompt);
  note(prompt);
  if (onMessage) onMessage(prompt);
  if (!queuedAnswers.empty()) {
    const MsgResult answer = queuedAnswers.front();
    queuedAnswers.pop_front();
    return answer;
  }
  if (policy) return policy(prompt, style);
  switch (style) {
    case MsgStyle::OkOnly:
    case MsgStyle::OkCancel: return MsgResult::Ok;
    case MsgStyle::YesNo: return MsgResult::Yes;
  }
  return MsgResult::Ok;
}

void ScriptedUi::drive(Screen& screen) {
  note("[" + screen.screenName() + "]");
  screen.closed = false;
  screen.Form_Load();
  if (screen.closed) return;
  auto it = handlers_.find(screen.screenName());
  if (it != handlers_.end()) it->second(screen);
}

void ScriptedUi::showModal(Screen& screen) {
  drive(screen);
  screen.closed = true;
}

void ScriptedUi::showModeless(std::unique_ptr<Screen> screen) {
  Screen& shown = *screen;
  modeless_.push_back(std::move(screen));
  drive(shown);
}

void ScriptedUi::close(Screen& screen) { screen.closed = true; }

void ScriptedUi::closeModeless(const std::string& screenName) {
  for (auto& screen : modeless_) {
    if (screen->screenName() == screenName) screen->closed = true;
  }
}

void ScriptedUi::endProgram() { throw ProgramEnded(); }

void ScriptedUi::collect() {
  modeless_.erase(std::remove_if(modeless_.begin(), modeless_.end(), [](const auto& s) { return s->closed; }),
                  modeless_.end());
}

void ScriptedUi::fireTimers(Screen& screen) {
  for (std::size_t i = 0; i < screen.timers.size(); ++i) {
    if (screen.timers[i].enabled) screen.Timer_Timer(static_cast<int>(i));
  }
}

}  // namespace velkaro
