#pragma once
// The scripted Ui as the game's front ends set it up: it can open every screen of the game.
#include "game/GameScreens.h"
#include "ui/scripted/ScriptedUi.h"

namespace velkaro::test {

struct GameUi : ScriptedUi {
  GameUi() { setScreenMaker(GameScreens::all()); }
};

}  // namespace velkaro::test
