#include "screens/FactionDetail.h"

#include "data/Jobs.h"
#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "ui/ScreenKind.h"

namespace velkaro {

FactionDetail::FactionDetail(GameContext& context, Ui& ui) : Screen(context, ui) {}

void FactionDetail::Form_Load() {
  init_rtn();
  factionId_ = ctx_.selectedFaction;
  ld_Gun_rtn();
  Dsp_Gun_rtn();
  Dsp_Chr_rtn();
  ld_Chr_rtn();
}

void FactionDetail::init_rtn() {
  Command1[0].caption = "戻る";
  Command1[1].caption = "武将一覧";
  Frame1[0].caption = "文官";
  Frame1[1].caption = "武官";
  Frame1[2].caption = "参謀（軍師）";
  Frame1[3].caption = "将軍";
  Frame1[4].caption = "君主";
  lineBreak_ = kCrLf;
}

void FactionDetail::ld_Gun_rtn() {
  StateFiles(ctx_.dir).loadFaction(factionId_, ctx_.FACTION_MAX, faction_);
  caption = faction_.name + "軍の内情";
}

void FactionDetail::Dsp_Gun_rtn() {
  Label1.caption = std::string(Labels::totalTroops) + lineBreak_ + Labels::seihei + lineBreak_ + Labels::meisei +
                   lineBreak_ + Labels::tian + lineBreak_ + Labels::kessoku + lineBreak_ + Labels::ifu;
  // Troops are held in thousands; the sum is taken wide so two full fields cannot wrap.
  const long long total = static_cast<long long>(faction_.army) + faction_.seihei;
  Label2.caption = std::to_string(total) + "000" + lineBreak_ + " " + std::to_string(faction_.seihei) + "000" +
                   lineBreak_ + std::to_string(faction_.meisei) + lineBreak_ + std::to_string(faction_.tian) +
                   lineBreak_ + std::to_string(faction_.kessoku) + lineBreak_ + std::to_string(faction_.ifu);
  Txt_lab.caption = ctx_.sharedText;
}

int FactionDetail::listOfJob(int job) {
  switch (job) {
    case kBunkan: return 0;
    case kBukan: return 1;
    case kSanbou:
    case kGunshi: return 2;
    case kShougun: return 3;
    case kKunshu: return 4;
    default: return -1;
  }
}

void FactionDetail::Dsp_Chr_rtn() {
  for (auto& list : Chr_lst) list.clear();
  // A faction missing from the file has no ruler; it must not collect the unaffiliated officers.
  if (faction_.kunshuID == 0) return;
  OfficerTable officers;
  StateFiles(ctx_.dir).loadOfficers(officers, ctx_.OFFICER_MAX);
  for (int id = 1; id <= ctx_.OFFICER_MAX && id < OfficerTable::kSlots; ++id) {
    const Bushou& b = officers[id];
    if (b.id != id || b.Job < 1 || b.kunID != faction_.kunshuID) continue;
    const int list = listOfJob(b.Job);
    if (list >= 0) Chr_lst[static_cast<std::size_t>(list)].addItem(b.name, id);
  }
}

void FactionDetail::ld_Chr_rtn() { ruler_ = StateFiles(ctx_.dir).loadOfficer(faction_.kunshuID, ctx_.OFFICER_MAX); }

void FactionDetail::Chr_lst_Click(int index) {
  if (index < 0 || index >= kLists) return;
  const ListBox& list = Chr_lst[static_cast<std::size_t>(index)];
  if (!list.valid(list.listIndex)) return;
  ctx_.selectedOfficer = static_cast<int16>(list.itemData(list.listIndex));
  if (auto status = ui_.makeScreen(ScreenKind::OfficerStatus, ctx_)) ui_.showModal(*status);
}

void FactionDetail::Command1_Click(int index) {
  if (index == 0) {
    unload();
    return;
  }
  if (index != 1) return;
  ctx_.selectedOfficer = faction_.kunshuID;
  if (auto table = ui_.makeScreen(ScreenKind::OfficerRoster, ctx_)) ui_.showModal(*table);
}

}  // namespace velkaro
