#pragma once
// Creates the game's screens by kind, so that screens can open one another without
// knowing each other's classes.
#include <memory>

#include "ui/Screen.h"

namespace velkaro {

enum class ScreenKind {
  TitleScreen,         // title screen
  MainScreen,          // main screen
  ResolutionScreen,    // resolution screen
  SaveLoadScreen,      // save and load
  LogReader,           // battle-log reader
  FactionDetail,       // faction detail
  AllFactions,         // all factions
  OfficerRoster,       // officers of a faction
  FactionOfficerLists, // officer lists of every faction
  OfficerStatus,       // officer status
  StrategyExplanation, // strategy explanation
  OfficerEditor,       // officer editor
  CommentEditor,       // comment editor
};

class ScreenFactory {
 public:
  // The new screen, or nullptr for a kind this build does not have.
  static std::unique_ptr<Screen> make(ScreenKind kind, GameContext& context, Ui& ui);
};

}  // namespace velkaro
