#include "web/views/WebViews.h"

#include <charconv>

#include "web/WebUi.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {

bool on(const PageEvent& e, std::string_view name, int* k) {
  const std::string_view control = e.control;
  if (control.substr(0, name.size()) != name) return false;
  int part = 0;
  if (control.size() > name.size()) {
    if (control[name.size()] != '.') return false;
    const char* first = control.data() + name.size() + 1;
    const char* last = control.data() + control.size();
    const auto [stop, ec] = std::from_chars(first, last, part);
    if (ec != std::errc() || stop != last || first == last || part < 0) return false;
  }
  if (k != nullptr) *k = part;
  return true;
}

bool on(const PageEvent& e, std::string_view name, std::string_view kind, int* k) {
  return e.kind == kind && on(e, name, k);
}

void registerWebViews(WebUi& ui) {
  ui.registerView("TitleScreen", makeTitleScreenView);
  ui.registerView("MainScreen", makeMainScreenView);
  ui.registerView("ResolutionScreen", makeResolutionScreenView);
  ui.registerView("StrategyExplanation", makeStrategyExplanationView);
  ui.registerView("SaveLoadScreen", makeSaveLoadScreenView);
  ui.registerView("LogReader", makeLogReaderView);
  ui.registerView("FactionDetail", makeFactionDetailView);
  ui.registerView("AllFactions", makeAllFactionsView);
  ui.registerView("HistoryCharts", makeHistoryChartsView);
  ui.registerView("OfficerRoster", makeOfficerRosterView);
  ui.registerView("FactionOfficerLists", makeFactionOfficerListsView);
  ui.registerView("OfficerStatus", makeOfficerStatusView);
  ui.registerView("OfficerEditor", makeOfficerEditorView);
  ui.registerView("CommentEditor", makeCommentEditorView);
}

}  // namespace velkaro::web
