#pragma once
// A Ui without windows: message boxes are answered by a policy, shown screens are driven by
// handlers that press their buttons; tests and velkaro-sim run whole games through it.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/Screen.h"
#include "ui/Ui.h"

namespace velkaro {

// Thrown by endProgram(): the program ends here.
class ProgramEnded : public std::runtime_error {
 public:
  ProgramEnded() : std::runtime_error("program ended") {}
};

class ScriptedUi : public Ui {
 public:
  using Answer = std::function<MsgResult(const std::string& prompt, MsgStyle style)>;
  using Handler = std::function<void(Screen& screen)>;

  // Answers queued here are used first, in order; then the policy; the default policy
  // answers OK / Yes to everything.
  std::deque<MsgResult> queuedAnswers;
  Answer policy;

  // Drives a screen of that name once it is shown (after Form_Load).
  void onShow(const std::string& screenName, Handler handler) { handlers_[screenName] = std::move(handler); }

  MsgResult msgBox(const std::string& prompt, MsgStyle style, const std::string& title) override;
  void showModal(Screen& screen) override;
  void showModeless(std::unique_ptr<Screen> screen) override;
  void close(Screen& screen) override;
  void closeModeless(const std::string& screenName) override;
  void timersChanged(Screen&) override {}
  void refresh(Screen&) override {}
  [[noreturn]] void endProgram() override;

  // What happened, in order: every message box text, and "[Name]" for every screen shown.
  std::vector<std::string> transcript;
  std::vector<std::string> messages;
  // Called with every message box text; the simulator writes them out.
  std::function<void(const std::string&)> onMessage;

  // Modeless screens still open.
  std::vector<std::unique_ptr<Screen>>& modeless() { return modeless_; }
  // Closed modeless screens are dropped.
  void collect();

  // Fires every enabled timer of the screen once.
  static void fireTimers(Screen& screen);

 private:
  void note(const std::string& text);
  void drive(Screen& screen);

  std::map<std::string, Handler> handlers_;
  std::vector<std::unique_ptr<Screen>> modeless_;
};

}  // namespace velkaro
