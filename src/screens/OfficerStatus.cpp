#include "screens/OfficerStatus.h"

#include "data/ItemReader.h"
#include "data/Jobs.h"
#include "data/StateFiles.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "editors/CommentEditor.h"
#include "editors/OfficerEditor.h"
#include "data/JobAbilities.h"

namespace velkaro {

OfficerStatus::OfficerStatus(GameContext& context, Ui& ui) : Screen(context, ui) {}

void OfficerStatus::Form_Load() {
  init_rtn();
  ld_Chr_rtn();
  ld_Comment_rtn();
  Dsp_Chr_rtn();
}

void OfficerStatus::init_rtn() {
  Hlp.caption = "";
  caption = "武将の説明";
  cmdEdit.caption = "Edit";
  Command1.caption = "Return";
  lineBreak_ = kCrLf;
}

void OfficerStatus::ld_Chr_rtn() { officer_ = StateFiles(ctx_.dir).loadOfficer(ctx_.selectedOfficer, ctx_.OFFICER_MAX); }

namespace {

std::string firstItem(const std::string& line) { return ItemReader(line).readItem(); }

}  // namespace

void OfficerStatus::ld_Comment_rtn() {
  comment_.clear();
  if (officer_.commentID == 0) return;
  if (officer_.commentID == CommentEditor::kFictional) {
    comment_ = kFictionalText;
    return;
  }
  // Line by line, so an empty line of the record stays an empty line (the item reader alone
  // skips line ends before an item); within a line the items still break at commas.
  const std::vector<std::string> lines = TextFile::readLines(ctx_.dir, paths::kCmtsv);
  std::size_t i = 0;
  while (i < lines.size() && !(ItemReader::isHeader(firstItem(lines[i])) &&
                               ItemReader::headerId(firstItem(lines[i])) == officer_.commentID)) {
    ++i;
  }
  i += 2;  // the header and the officer's name
  for (; i < lines.size(); ++i) {
    ItemReader reader(lines[i]);
    if (reader.eof()) {
      comment_ += lineBreak_;
      continue;
    }
    while (!reader.eof()) {
      const std::string item = reader.readItem();
      if (ItemReader::isHeader(item)) return;
      comment_ += "  " + item + lineBreak_;
    }
  }
  // Empty lines between the last text and the next record are the file's spacing, not the comment's.
  while (comment_.size() >= 2 * lineBreak_.size() &&
         comment_.compare(comment_.size() - 2 * lineBreak_.size(), 2 * lineBreak_.size(), lineBreak_ + lineBreak_) == 0) {
    comment_.resize(comment_.size() - lineBreak_.size());
  }
  if (comment_ == lineBreak_) comment_.clear();
}

void OfficerStatus::Dsp_Chr_rtn() {
  const Bushou& b = officer_;
  Name_lab.caption = b.name;
  const auto fields = JobAbilities::fields(b.Job);
  std::string headings;
  std::string values;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) {
      headings += lineBreak_;
      values += lineBreak_;
    }
    headings += JobAbilities::label(fields[k]);
    values += std::to_string(b.field(fields[k]));
  }
  // A post outside 1..6 shows no post and no post abilities.
  Label1.caption = Jobs::label(b.Job);
  Skl_Kind[0].caption = headings;
  Skl_Lab[1].caption = values;
  Skl_Kind[1].caption = std::string(Labels::charm) + lineBreak_ + Labels::setu;
  Skl_Lab[2].caption = std::to_string(b.charm) + lineBreak_ + std::to_string(b.Setu);
  Lab_cmt.caption = comment_;
}

void OfficerStatus::Lab_cmt_MouseMove() { Hlp.caption = "クリックしてコメントを書き換えられます"; }

void OfficerStatus::Back_MouseMove() { Hlp.caption = ""; }

void OfficerStatus::Lab_cmt_Click() {
  ctx_.confirmResult = 0;
  ctx_.sharedText = officer_.name;
  CommentEditor editor(ctx_, ui_);
  editor.fill(Lab_cmt.caption);
  editor.setBushou(officer_);
  ui_.showModal(editor);
  if (!editor.stored()) return;
  comment_ = editor.Txt_cmt.text;
  Lab_cmt.caption = comment_;
}

void OfficerStatus::cmdEdit_Click() {
  OfficerEditor editor(ctx_, ui_);
  editor.setBushou(officer_);
  ui_.showModal(editor);
  Dsp_Chr_rtn();
}

void OfficerStatus::Command1_Click() { unload(); }

}  // namespace velkaro
