#pragma once
// Creates the game's screens by kind, so that screens can open one another without
// knowing each other's classes.
#include <memory>

#include "ui/Screen.h"

namespace velkaro {

enum class ScreenKind {
  Form2,       // title screen
  Main,        // main screen
  Msg,         // resolution screen
  SVLD,        // save and load
  DLogReader,  // battle-log reader
  Gdata,       // faction detail
  ALL_Gdata,   // all factions
  B_data,      // officers of a faction
  All_Bdata,   // officer lists of every faction
  Status,      // officer status
  Strate,      // strategy explanation
  Editor,      // officer editor
  Cmt_Edit,    // comment editor
};

class ScreenFactory {
 public:
  // The new screen, or nullptr for a kind this build does not have.
  static std::unique_ptr<Screen> make(ScreenKind kind, GameContext& context, Ui& ui);
};

}  // namespace velkaro
