#pragma once
// The one port between the screens and the outside world: message boxes, showing and
// closing screens, timers, and ending the program.
#include <memory>
#include <string>

#include "ui/ScreenMaker.h"

namespace velkaro {

class Screen;

enum class MsgStyle { OkOnly, OkCancel, YesNo };
enum class MsgResult { Ok, Cancel, Yes, No };

inline constexpr const char* kGameTitle = "Velkaro・Ostrel";

class Ui {
 public:
  virtual ~Ui() = default;

  virtual MsgResult msgBox(const std::string& prompt, MsgStyle style, const std::string& title = kGameTitle) = 0;

  // Shows the screen and returns when it has been closed.
  virtual void showModal(Screen& screen) = 0;
  // Shows the screen and returns at once; the Ui owns it until it closes.
  virtual void showModeless(std::unique_ptr<Screen> screen) = 0;
  // The screen asks to be closed (its opener's showModal returns).
  virtual void close(Screen& screen) = 0;
  // Closes every open modeless screen of that name (for example "FactionDetail").
  virtual void closeModeless(const std::string& screenName) = 0;
  // The screen's timers changed (interval or enabled).
  virtual void timersChanged(Screen& screen) = 0;
  // The screen's state changed outside one of its own events; redraw it.
  virtual void refresh(Screen& screen) = 0;
  // Ends the program at once. Does not return.
  [[noreturn]] virtual void endProgram() = 0;

  // The screens this front end can open; until one is handed over, no screen opens another.
  void setScreenMaker(const ScreenMaker& maker) { maker_ = &maker; }
  // A new screen of that kind, or nullptr when there is no maker or it lacks the kind.
  std::unique_ptr<Screen> makeScreen(ScreenKind kind, GameContext& context) {
    return maker_ ? maker_->make(kind, context, *this) : nullptr;
  }

 private:
  const ScreenMaker* maker_ = nullptr;
};

}  // namespace velkaro
