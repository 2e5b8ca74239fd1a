#include "screens/FactionOfficerLists.h"

#include "data/FactionTable.h"
#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "ui/ScreenKind.h"

namespace velkaro {

FactionOfficerLists::FactionOfficerLists(GameContext& context, Ui& ui) : Screen(context, ui) { Lab_nameBackColour.fill(kWindowColour); }

void FactionOfficerLists::Form_Load() {
  init_rtn();
  Dsp_rtn();
  ld_Gnm_rtn();
  ld_Cnm_rtn();
}

void FactionOfficerLists::init_rtn() {
  for (int i = 0; i < kPanels; ++i) {
    const bool shown = i < ctx_.FACTION_MAX;
    Lab_name[static_cast<std::size_t>(i)].visible = shown;
    Chr_lst[static_cast<std::size_t>(i)].visible = shown;
  }
}

void FactionOfficerLists::Dsp_rtn() {
  caption = "各軍閥所属部将";
  Command1.caption = "戻る";
}

void FactionOfficerLists::ld_Gnm_rtn() {
  rulerToFaction_.fill(0);
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  for (int f = 1; f <= ctx_.FACTION_MAX && f <= kPanels; ++f) {
    const gun& g = factions[f];
    if (g.id != f) continue;
    const auto panel = static_cast<std::size_t>(f - 1);
    Lab_name[panel].caption = g.name;
    // A ruler number of 0 would gather the unaffiliated officers into this faction.
    if (g.kunshuID > 0 && g.kunshuID < static_cast<int>(rulerToFaction_.size())) {
      rulerToFaction_[static_cast<std::size_t>(g.kunshuID)] = static_cast<int16>(f);
    }
    // The same flag rule as every table loader: "FALSE" and "false" are alive.
    const std::uint32_t colour = g.del ? kDestroyedColour : kWindowColour;
    Lab_nameBackColour[panel] = colour;
    Chr_lst[panel].backColour = colour;
  }
}

void FactionOfficerLists::ld_Cnm_rtn() {
  for (auto& list : Chr_lst) list.clear();
  OfficerTable officers;
  StateFiles(ctx_.dir).loadOfficers(officers, ctx_.OFFICER_MAX);
  for (int n = 1; n <= ctx_.OFFICER_MAX && n < OfficerTable::kSlots; ++n) {
    const Bushou& b = officers[n];
    if (b.id != n || b.kunID < 1 || b.kunID >= static_cast<int>(rulerToFaction_.size())) continue;
    const int f = rulerToFaction_[static_cast<std::size_t>(b.kunID)];
    if (f >= 1 && f <= ctx_.FACTION_MAX && f <= kPanels) Chr_lst[static_cast<std::size_t>(f - 1)].addItem(b.name, n);
  }
}

void FactionOfficerLists::Chr_lst_Click(int index) {
  if (index < 0 || index >= kPanels) return;
  const ListBox& list = Chr_lst[static_cast<std::size_t>(index)];
  if (!list.valid(list.listIndex)) return;
  ctx_.selectedOfficer = static_cast<int16>(list.itemData(list.listIndex));
  if (auto status = ui_.makeScreen(ScreenKind::OfficerStatus, ctx_)) ui_.showModal(*status);
}

void FactionOfficerLists::Command1_Click() { unload(); }

}  // namespace velkaro
