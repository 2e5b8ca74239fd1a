#include "web/SlotTransfer.h"

#include "persistence/SaveSlot.h"
#include "persistence/SlotBundle.h"
#include "web/WebTexts.h"
#include "web/WebUi.h"

namespace velkaro::web {

void SlotTransfer::handle(const PageEvent& e) {
  if (e.control == "export") exportSlot(e.value);
  if (e.control == "import") importSlot(e.value);
}

bool SlotTransfer::numberOk(const std::string& number) {
  bool digits = !number.empty() && number.size() <= 8;
  for (char c : number) digits = digits && c >= '0' && c <= '9';
  if (!digits) ui_.msgBox(WebTexts::kBadNumber, MsgStyle::OkOnly);
  return digits;
}

void SlotTransfer::exportSlot(const std::string& number) {
  if (!numberOk(number)) return;
  if (!SaveSlot(dir_, number).missingFiles().empty()) {
    ui_.msgBox(WebTexts::noSlot(number), MsgStyle::OkOnly);
    return;
  }
  ui_.page().offer(fileName(number), SlotBundle::pack(dir_, number));
  ui_.showStatus(WebTexts::exported(number));
}

void SlotTransfer::importSlot(const std::string& number) {
  if (!numberOk(number)) return;
  const std::string bytes = chosenFile_();
  if (bytes.empty()) {
    ui_.msgBox(WebTexts::kNoFile, MsgStyle::OkOnly);
    return;
  }
  const SaveSlot slot(dir_, number);
  if (dir_.exists(slot.slotFile()) && ui_.msgBox(WebTexts::overwrite(number), MsgStyle::YesNo) != MsgResult::Yes) return;
  // A refused file throws here, before the slot is touched; the Ui tells the player why.
  SlotBundle::unpack(dir_, number, bytes, scratch_);
  ui_.showStatus(WebTexts::imported(number));
}

}  // namespace velkaro::web
