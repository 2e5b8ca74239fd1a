#pragma once
// The factories of the views of this folder (one per .cpp) and the event helpers they share.
#include <memory>
#include <string_view>

#include "web/WebView.h"

namespace velkaro::web {

// True when the event is on control `name`, or on `name.k` of an array of controls (k is then
// stored in *k; 0 for a single control).
bool on(const PageEvent& e, std::string_view name, int* k = nullptr);
// The same with the kind of event as well.
bool on(const PageEvent& e, std::string_view name, std::string_view kind, int* k = nullptr);

std::unique_ptr<WebView> makeTitleScreenView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeMainScreenView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeResolutionScreenView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeStrategyExplanationView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeSaveLoadScreenView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeLogReaderView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeFactionDetailView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeAllFactionsView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeHistoryChartsView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeOfficerRosterView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeFactionOfficerListsView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeOfficerStatusView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeOfficerEditorView(Screen& screen, WebUi& ui);
std::unique_ptr<WebView> makeCommentEditorView(Screen& screen, WebUi& ui);

}  // namespace velkaro::web
