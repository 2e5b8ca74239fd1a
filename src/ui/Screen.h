#pragma once
// The base of every screen: its caption, its timers, and its access to the game and the Ui.
#include <string>
#include <vector>

#include "data/GameContext.h"
#include "ui/Controls.h"
#include "ui/Ui.h"

namespace velkaro {

class Screen {
 public:
  Screen(GameContext& context, Ui& ui) : ctx_(context), ui_(ui) {}
  virtual ~Screen() = default;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  // The screen's name in the game's vocabulary ("TitleScreen", "MainScreen", "ResolutionScreen", ...).
  virtual std::string screenName() const = 0;

  // Called by the front end when it shows the screen.
  virtual void Form_Load() {}
  // Called by the front end when timer `index` fires.
  virtual void Timer_Timer(int /*index*/) {}
  // The user asks to close the window; false keeps it open.
  virtual bool Form_QueryUnload() { return true; }

  std::string caption;
  std::vector<Timer> timers;
  bool closed = false;

  GameContext& context() { return ctx_; }
  Ui& ui() { return ui_; }

 protected:
  // Unload: asks the Ui to close this screen.
  void unload() {
    closed = true;
    ui_.close(*this);
  }

  GameContext& ctx_;
  Ui& ui_;
};

}  // namespace velkaro
