#include "screens/AllFactions.h"

#include "data/FactionTable.h"
#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "ui/ScreenKind.h"

namespace velkaro {
namespace {
enum Column { kTroops, kSeihei, kTian, kKessoku, kMeisei, kIfu, kOfficers, kMeishu };
}  // namespace

AllFactions::AllFactions(GameContext& context, Ui& ui) : Screen(context, ui) {}

void AllFactions::Form_Load() {
  init_rtn();
  Dsp_rtn();
}

void AllFactions::init_rtn() { lineBreak_ = kCrLf; }

void AllFactions::Dsp_rtn() {
  caption = "軍閥一覧";
  const std::array<std::string, kHeadings> headings = {
      "君主", "総兵力" + lineBreak_ + "（千）", "精兵" + lineBreak_ + "（千）", "政安", "結束", "名声", "畏怖", "武将数",
      "盟主", ""};
  for (int i = 0; i < kHeadings; ++i) Lab_Cate[static_cast<std::size_t>(i)].caption = headings[static_cast<std::size_t>(i)];
  Command1[0].caption = "戻る";
  Command1[1].caption = "武将リスト";
  Lab_name.caption.clear();
  for (auto& column : Lab_abl) column.caption.clear();
  rows_.clear();
  ld_Cnm_rtn();
  Dsp_Gun_rtn();
  Dsp_Gun_rtn2();
}

void AllFactions::ld_Cnm_rtn() {
  officerNames_.fill("");
  OfficerTable officers;
  StateFiles(ctx_.dir).loadOfficers(officers, ctx_.OFFICER_MAX);
  for (int id = 1; id <= ctx_.OFFICER_MAX && id < OfficerTable::kSlots; ++id) {
    if (officers[id].id == id) officerNames_[static_cast<std::size_t>(id)] = officers[id].name;
  }
}

void AllFactions::Dsp_Gun_rtn() {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  for (int f = 1; f <= ctx_.FACTION_MAX && f < FactionTable::kSlots; ++f) {
    const gun& g = factions[f];
    if (g.id != f || g.del) continue;
    rows_.push_back(f);
    addLine(Lab_name, g.name);
    addLine(Lab_abl[kTroops], std::to_string(static_cast<long long>(g.army) + g.seihei));
    addLine(Lab_abl[kSeihei], std::to_string(g.seihei));
    addLine(Lab_abl[kTian], std::to_string(g.tian));
    addLine(Lab_abl[kKessoku], std::to_string(g.kessoku));
    addLine(Lab_abl[kMeisei], std::to_string(g.meisei));
    addLine(Lab_abl[kIfu], std::to_string(g.ifu));
    const bool knownLeader = g.meishuID > 0 && g.meishuID < OfficerTable::kSlots;
    addLine(Lab_abl[kMeishu], knownLeader ? officerNames_[static_cast<std::size_t>(g.meishuID)] : "");
  }
}

void AllFactions::Dsp_Gun_rtn2() {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  const auto kunIds = StateFiles(ctx_.dir).loadOfficerColumn(7, ctx_.OFFICER_MAX);
  Lab_abl[kOfficers].caption.clear();
  for (int f : rows_) {
    const int ruler = factions[f].kunshuID;
    int count = 0;
    for (int id = 1; id <= ctx_.OFFICER_MAX && id < OfficerTable::kSlots; ++id) {
      if (ruler != 0 && kunIds[static_cast<std::size_t>(id)] == ruler) ++count;
    }
    addLine(Lab_abl[kOfficers], std::to_string(count));
  }
}

void AllFactions::Command1_Click(int index) {
  if (index == 0) {
    unload();
    return;
  }
  if (index != 1) return;
  if (auto lists = ui_.makeScreen(ScreenKind::FactionOfficerLists, ctx_)) ui_.showModal(*lists);
}

}  // namespace velkaro
