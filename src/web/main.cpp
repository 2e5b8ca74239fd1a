// velkaro in the browser: the game directory lives in the browser's storage, is loaded before
// the title screen and filled from the shipped data like a first start on the desktop.
#include <filesystem>
#include <string>

#include "data/CommitListener.h"
#include "data/DataError.h"
#include "data/GameContext.h"
#include "data/GameDirectorySetup.h"
#include "game/GameScreens.h"
#include "ui/ScreenKind.h"
#include "web/BrowserPage.h"
#include "web/SlotTransfer.h"
#include "web/WebTexts.h"
#include "web/WebUi.h"
#include "web/views/WebViews.h"

namespace {

constexpr const char* kRoot = "/velkaro";
constexpr const char* kShippedIni = "/shipped/ini";
constexpr const char* kScratch = "/tmp/velkaro-import";

}  // namespace

int main() {
  using namespace velkaro;
  web::BrowserPage page;
  web::BrowserPage::introduce(web::WebTexts::forPage());
  web::BrowserPage::loadStore(kRoot);

  web::WebUi ui(page);
  web::registerWebViews(ui);
  ui.setScreenMaker(GameScreens::all());
  try {
    GameDirectorySetup::prepare(kRoot, kShippedIni);
  } catch (const DataError& e) {
    ui.msgBox(e.what(), MsgStyle::OkOnly, kGameTitle);
    page.ended();
  }
  // From here on every durable step reaches the browser's storage; the copied files go now.
  CommitListener::set(&page);
  page.committed();

  GameContext context{GamePaths(kRoot)};
  web::SlotTransfer transfer(ui, context.dir, kScratch, [] { return web::BrowserPage::chosenFile(); });
  ui.setPageHandler([&transfer](const web::PageEvent& e) { transfer.handle(e); });
  ui.showModeless(ui.makeScreen(ScreenKind::TitleScreen, context));
  ui.run();
  page.ended();
}
