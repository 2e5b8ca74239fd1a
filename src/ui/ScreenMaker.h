#pragma once
// Makes a screen of a given kind. The front end hands one to its Ui, so that the title and
// main screens can open each other (and any screen its neighbours) while every include between
// folders still runs downward.
#include <memory>

#include "ui/ScreenKind.h"

namespace velkaro {

class Screen;
class Ui;
struct GameContext;

class ScreenMaker {
 public:
  virtual ~ScreenMaker() = default;
  // The new screen, or nullptr for a kind this maker does not have.
  virtual std::unique_ptr<Screen> make(ScreenKind kind, GameContext& context, Ui& ui) const = 0;
};

}  // namespace velkaro
