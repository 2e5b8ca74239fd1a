#include "board/Board.h"

#include <algorithm>

#include "data/StatePaths.h"
#include "data/TemplateReader.h"

namespace velkaro {

int Board::officerMax() const { return std::clamp<int>(ctx.OFFICER_MAX, 0, OfficerTable::kSlots - 1); }

int Board::factionMax() const { return std::clamp<int>(ctx.FACTION_MAX, 0, FactionTable::kSlots - 1); }

gun& Board::faction(int id) {
  if (isFaction(id)) return factions[id];
  scratch_ = gun::placeholder();
  return scratch_;
}

int16& Board::panelCohesion(int factionId) {
  const int panel = isFaction(factionId) ? ctx.factionPanel[static_cast<std::size_t>(factionId)] : -1;
  if (panel < 0 || panel >= kPanels) {
    scratchCohesion_ = 0;
    return scratchCohesion_;
  }
  return ctx.meishuKessoku[static_cast<std::size_t>(panel)];
}

void Board::ld_Text_rtn() {
  TemplateReader::appendSection(ctx.dir, paths::kText, ctx.textNumber, ctx.msgParam1, ctx.msgParam2, pages.table());
}

void Board::textStep(int number) {
  ctx.textNumber = sat16(number);
  ld_Text_rtn();
}

void Board::textStep(int number, const std::string& param1) {
  ctx.msgParam1 = param1;
  textStep(number);
}

void Board::textStep(int number, const std::string& param1, const std::string& param2) {
  ctx.msgParam1 = param1;
  ctx.msgParam2 = param2;
  textStep(number);
}

void Board::textStepParam2(int number, const std::string& param2) {
  ctx.msgParam2 = param2;
  textStep(number);
}

bool Board::inPlayerSlots(int factionId, int lastSlot) const {
  if (factionId <= 0) return false;  // an empty slot holds 0
  const int last = std::min(lastSlot, kPlayerSlots - 1);
  for (int k = 0; k <= last; ++k) {
    if (ctx.playerFaction[static_cast<std::size_t>(k)] == factionId) return true;
  }
  return false;
}

int Board::Sch_chr_rtn(int factionId) {
  int count = 0;
  for (int i = 1; i <= officerMax(); ++i) {
    if (officers[i].gunID == factionId) memberList[static_cast<std::size_t>(count++)] = static_cast<int16>(i);
  }
  return count;
}

}  // namespace velkaro
