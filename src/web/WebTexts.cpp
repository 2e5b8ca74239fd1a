#include "web/WebTexts.h"

#include "ui/Screen.h"
#include "web/Json.h"

namespace velkaro::web {

std::string WebTexts::forPage() {
  Json out;
  out.open();
  out.key("gameTitle").text(kGameTitle);
  out.key("slotTools").text(kSlotTools);
  out.key("slotNumber").text(kSlotNumber);
  out.key("export").text(kExport);
  out.key("import").text(kImport);
  out.key("kept").text(kKept);
  out.key("mayBeCleared").text(kMayBeCleared);
  out.key("noStorage").text(kNoStorage);
  out.key("ended").text(kEnded);
  out.key("again").text(kAgain);
  out.key("loading").text(kLoading);
  out.key("offline").text(kOffline);
  out.close();
  return out.str();
}

}  // namespace velkaro::web
