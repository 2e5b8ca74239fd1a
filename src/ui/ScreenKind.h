#pragma once
// The game's screens by kind, so that one screen can open another without knowing its class.

namespace velkaro {

enum class ScreenKind {
  TitleScreen,
  MainScreen,
  ResolutionScreen,
  SaveLoadScreen,
  LogReader,
  FactionDetail,
  AllFactions,
  HistoryCharts,
  OfficerRoster,
  FactionOfficerLists,
  OfficerStatus,
  StrategyExplanation,
  OfficerEditor,
  CommentEditor,
};

}  // namespace velkaro
