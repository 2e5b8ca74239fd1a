#include "game/GameScreens.h"

#include "editors/CommentEditor.h"
#include "editors/OfficerEditor.h"
#include "persistence/LogReader.h"
#include "persistence/SaveLoadScreen.h"
#include "screens/AllFactions.h"
#include "screens/FactionOfficerLists.h"
#include "screens/HistoryCharts.h"
#include "screens/OfficerRoster.h"
#include "screens/FactionDetail.h"
#include "screens/OfficerStatus.h"
#include "resolution/ResolutionScreen.h"
#include "screens/StrategyExplanation.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"

namespace velkaro {

const GameScreens& GameScreens::all() {
  static const GameScreens screens;
  return screens;
}

std::unique_ptr<Screen> GameScreens::make(ScreenKind kind, GameContext& context, Ui& ui) const {
  switch (kind) {
    case ScreenKind::TitleScreen: return std::make_unique<TitleScreen>(context, ui);
    case ScreenKind::SaveLoadScreen: return std::make_unique<SaveLoadScreen>(context, ui);
    case ScreenKind::LogReader: return std::make_unique<LogReader>(context, ui);
    case ScreenKind::FactionDetail: return std::make_unique<FactionDetail>(context, ui);
    case ScreenKind::AllFactions: return std::make_unique<AllFactions>(context, ui);
    case ScreenKind::HistoryCharts: return std::make_unique<HistoryCharts>(context, ui);
    case ScreenKind::OfficerRoster: return std::make_unique<OfficerRoster>(context, ui);
    case ScreenKind::FactionOfficerLists: return std::make_unique<FactionOfficerLists>(context, ui);
    case ScreenKind::OfficerStatus: return std::make_unique<OfficerStatus>(context, ui);
    case ScreenKind::OfficerEditor: return std::make_unique<OfficerEditor>(context, ui);
    case ScreenKind::CommentEditor: return std::make_unique<CommentEditor>(context, ui);
    case ScreenKind::MainScreen: return std::make_unique<MainScreen>(context, ui);
    case ScreenKind::StrategyExplanation: return std::make_unique<StrategyExplanation>(context, ui);
    case ScreenKind::ResolutionScreen: return std::make_unique<ResolutionScreen>(context, ui);
  }
  return nullptr;
}

}  // namespace velkaro
