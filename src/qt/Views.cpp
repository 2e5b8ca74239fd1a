#include "qt/Views.h"

#include "qt/AllFactionsView.h"
#include "qt/FactionOfficerListsView.h"
#include "qt/HistoryChartsView.h"
#include "qt/OfficerRosterView.h"
#include "qt/CommentEditorView.h"
#include "qt/LogReaderView.h"
#include "qt/OfficerEditorView.h"
#include "qt/TitleScreenView.h"
#include "qt/FactionDetailView.h"
#include "qt/MainScreenView.h"
#include "qt/ResolutionScreenView.h"
#include "qt/QtUi.h"
#include "qt/SaveLoadScreenView.h"
#include "qt/OfficerStatusView.h"
#include "qt/StrategyExplanationView.h"

namespace velkaro::qt {
namespace {

template <typename ScreenT, typename ViewT>
void add(QtUi& ui, const char* name) {
  ui.registerView(name, [](Screen& screen, QtUi& owner) -> ScreenView* {
    return new ViewT(static_cast<ScreenT&>(screen), owner);
  });
}

}  // namespace

void registerViews(QtUi& ui) {
  add<TitleScreen, TitleScreenView>(ui, "TitleScreen");
  add<SaveLoadScreen, SaveLoadScreenView>(ui, "SaveLoadScreen");
  add<LogReader, LogReaderView>(ui, "LogReader");
  add<FactionDetail, FactionDetailView>(ui, "FactionDetail");
  add<AllFactions, AllFactionsView>(ui, "AllFactions");
  add<HistoryCharts, HistoryChartsView>(ui, "HistoryCharts");
  add<OfficerRoster, OfficerRosterView>(ui, "OfficerRoster");
  add<FactionOfficerLists, FactionOfficerListsView>(ui, "FactionOfficerLists");
  add<OfficerStatus, OfficerStatusView>(ui, "OfficerStatus");
  add<OfficerEditor, OfficerEditorView>(ui, "OfficerEditor");
  add<CommentEditor, CommentEditorView>(ui, "CommentEditor");
  add<MainScreen, MainScreenView>(ui, "MainScreen");
  add<StrategyExplanation, StrategyExplanationView>(ui, "StrategyExplanation");
  add<ResolutionScreen, ResolutionScreenView>(ui, "ResolutionScreen");
}

}  // namespace velkaro::qt
