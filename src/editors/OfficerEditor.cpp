#include "editors/OfficerEditor.h"

#include "data/Jobs.h"
#include "data/StatePaths.h"
#include "editors/OfficerRecordFile.h"
#include "data/JobAbilities.h"
#include "setup/Scenario.h"

namespace velkaro {
namespace {

constexpr int kJobs = 6;
constexpr int kAbilities = 6;  // policy, fight, wisdom, tactics, charm, Setu: fields 1..6

// Full-width digits and point, as a Japanese input method types them, read as their ASCII forms.
std::string asciiDigits(const std::string& text) {
  static const std::string kFullDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool matched = false;
    for (int d = 0; d < 10 && !matched; ++d) {
      if (text.compare(i, kFullDigits[d].size(), kFullDigits[d]) == 0) {
        out += static_cast<char>('0' + d);
        i += kFullDigits[d].size();
        matched = true;
      }
    }
    if (!matched && text.compare(i, 3, "．") == 0) {
      out += '.';
      i += 3;
      matched = true;
    }
    if (!matched) out += text[i++];
  }
  return out;
}

// The same rule as for every real stored into a 16-bit field: nearest, halves to even.
bool inRange(double value) { return value > 0 && value <= 10 && cint(value) >= 1; }

}  // namespace

OfficerEditor::OfficerEditor(GameContext& context, Ui& ui) : Screen(context, ui) {}

void OfficerEditor::Form_Load() {
  init_rtn();
  if (mj_Bushou != nullptr) Dsp_Chr_rtn(*mj_Bushou);
}

void OfficerEditor::init_rtn() {
  caption = "武将の説明";
  cmdEdit.caption = "OK";
  cmdInit.caption = "Default";
  Command1.caption = "Cancel";
  Fix_Kind[0].caption = Labels::charm;
  Fix_Kind[1].caption = Labels::setu;
  Hlp.caption = "";
  cmbJob.clear();
  for (int job = 1; job <= kJobs; ++job) cmbJob.addItem(Jobs::label(job), job);
}

int OfficerEditor::selectedJob() const { return cmbJob.valid(cmbJob.listIndex) ? cmbJob.listIndex + 1 : 0; }

void OfficerEditor::Dsp_Chr_rtn(const Bushou& b) {
  shown_ = b;
  Name_lab.caption = b.name;
  cmbJob.listIndex = b.Job >= 1 && b.Job <= kJobs ? b.Job - 1 : -1;
  Dsp_Chr_rtn1();
  Fix_Lab[0].text = std::to_string(b.charm);
  Fix_Lab[1].text = std::to_string(b.Setu);
}

void OfficerEditor::Dsp_Chr_rtn1() {
  const auto fields = JobAbilities::fields(selectedJob());
  for (std::size_t k = 0; k < kJobBoxes; ++k) {
    const bool used = k < fields.size();
    Skl_Kind[k].visible = used;
    Skl_Lab[k].visible = used;
    Skl_Kind[k].caption = used ? JobAbilities::label(fields[k]) : "";
    Skl_Lab[k].text = used ? std::to_string(shown_.field(fields[k])) : "";
  }
}

void OfficerEditor::cmbJob_Click() { Dsp_Chr_rtn1(); }

std::optional<double> OfficerEditor::boxValue(const std::string& text) {
  double value = 0;
  if (!parseNumber(asciiDigits(text), value)) return std::nullopt;
  return value;
}

void OfficerEditor::cmdEdit_Click() {
  if (mj_Bushou == nullptr) return;
  const int job = selectedJob();
  const auto fields = JobAbilities::fields(job);
  // Text that is not a number counts as 0, which the range refuses.
  auto read = [](const TextBox& box) { return boxValue(box.text).value_or(0.0); };
  bool valid = inRange(read(Fix_Lab[0])) && inRange(read(Fix_Lab[1]));
  for (std::size_t k = 0; k < fields.size(); ++k) valid = valid && inRange(read(Skl_Lab[k]));
  if (!valid) {
    ui_.msgBox(kRangeMessage, MsgStyle::OkOnly);
    return;
  }
  if (ui_.msgBox("編集した内容を登録しますか？", MsgStyle::OkCancel) != MsgResult::Ok) return;

  Bushou edited = *mj_Bushou;
  edited.Job = static_cast<int16>(job);
  for (int n = 1; n <= kAbilities; ++n) edited.field(n) = shown_.field(n);
  for (std::size_t k = 0; k < fields.size(); ++k) edited.field(fields[k]) = cint(read(Skl_Lab[k]));
  edited.charm = cint(read(Fix_Lab[0]));
  edited.Setu = cint(read(Fix_Lab[1]));

  OfficerRecordFile::rewriteOfficer(ctx_.dir, edited, paths::kBusv);
  // The master takes the edit (post and abilities) into its own record; the running game's
  // allegiance and comment number are no business of later games.
  const char* master = Scenario::byNumber(ctx_.scenario).officerMaster;
  Bushou inMaster = OfficerRecordFile::findOfficer(ctx_.dir, edited.id, master, ctx_.OFFICER_MAX).value_or(edited);
  inMaster.Job = edited.Job;
  for (int n = 1; n <= kAbilities; ++n) inMaster.field(n) = edited.field(n);
  OfficerRecordFile::rewriteOfficer(ctx_.dir, inMaster, master);

  *mj_Bushou = edited;
  shown_ = edited;
  ui_.msgBox("登録しました。", MsgStyle::OkOnly);
}

void OfficerEditor::cmdInit_Click() {
  if (mj_Bushou == nullptr) return;
  const char* backup = Scenario::byNumber(ctx_.scenario).officerBackup;
  const auto original = OfficerRecordFile::findOfficer(ctx_.dir, mj_Bushou->id, backup, ctx_.OFFICER_MAX);
  if (!original) {
    // Fictional officers exist only in this game; there is nothing to go back to.
    ui_.msgBox("この武将には初期データがありません", MsgStyle::OkOnly);
    return;
  }
  Bushou restored = *mj_Bushou;
  restored.Job = original->Job;
  for (int n = 1; n <= kAbilities; ++n) restored.field(n) = original->field(n);
  Dsp_Chr_rtn(restored);
}

void OfficerEditor::Command1_Click() { unload(); }

void OfficerEditor::Back_MouseMove() { Hlp.caption = ""; }

}  // namespace velkaro
