#include "screens/OfficerRoster.h"

#include "data/Jobs.h"
#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "data/JobAbilities.h"

namespace velkaro {

OfficerRoster::OfficerRoster(GameContext& context, Ui& ui) : Screen(context, ui) {}

void OfficerRoster::Form_Load() {
  init_rtn();
  Dsp_rtn();
  Dsp_Chr_rtn();
}

void OfficerRoster::init_rtn() { lineBreak_ = kCrLf; }

void OfficerRoster::Dsp_rtn() {
  caption = "武将一覧";
  const std::array<const char*, kHeadings> headings = {"名前", Labels::policy, Labels::fight, Labels::wisdom,
                                                       Labels::tactics, Labels::charm, Labels::setu, "職業"};
  for (int i = 0; i < kHeadings; ++i) Lab_Cate[static_cast<std::size_t>(i)].caption = headings[static_cast<std::size_t>(i)];
  Command1.caption = "戻る";
  Hlp.caption = "";
  Lab_name.caption.clear();
  Lab_id.caption.clear();
  for (auto& column : Lab_abl) column.caption.clear();
}

void OfficerRoster::Dsp_Chr_rtn() {
  const int ruler = ctx_.selectedOfficer;
  // Officer 0 rules nobody; the unaffiliated are not one ruler's officers.
  if (ruler == 0) return;
  OfficerTable officers;
  StateFiles(ctx_.dir).loadOfficers(officers, ctx_.OFFICER_MAX);
  for (int id = 1; id <= ctx_.OFFICER_MAX && id < OfficerTable::kSlots; ++id) {
    const Bushou& b = officers[id];
    if (b.id != id || b.kunID != ruler) continue;
    addLine(Lab_name, b.name);
    addLine(Lab_id, numStr(id));
    for (int field = 1; field <= 4; ++field) {
      addLine(Lab_abl[static_cast<std::size_t>(field - 1)],
              JobAbilities::shows(b.Job, field) ? std::to_string(b.field(field)) : "-");
    }
    addLine(Lab_abl[4], std::to_string(b.charm));
    addLine(Lab_abl[5], std::to_string(b.Setu));
    addLine(Lab_abl[6], Jobs::label(b.Job));
  }
}

void OfficerRoster::Command1_Click() { unload(); }

}  // namespace velkaro
