#include "editors/CommentEditor.h"

#include <vector>

#include "data/Codec.h"
#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "editors/EditBatch.h"
#include "editors/OfficerRecordFile.h"

namespace velkaro {
namespace {

constexpr const char* kFullStop = "．";


// One comma-separated piece: the reader skips blanks and an opening quote before it looks
// for the "." of a header.
std::string guardPiece(const std::string& piece) {
  std::size_t i = 0;
  while (i < piece.size() && (piece[i] == ' ' || piece[i] == '\t')) ++i;
  if (i < piece.size() && piece[i] == '"') ++i;
  if (i < piece.size() && piece[i] == '.') return piece.substr(0, i) + kFullStop + piece.substr(i + 1);
  return piece;
}

std::string guardLine(const std::string& line) {
  std::string out;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    out += guardPiece(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) break;
    out += ',';
    start = comma + 1;
  }
  return out;
}

// The comment file with record cmtID's text replaced by `body`, or with a new record
// newNumber appended when there is no such record; unusable records (0, 200) are dropped.
std::string rewrittenComments(const std::vector<std::string>& scratch, int cmtID, const std::string& body, bool found,
                              int newNumber) {
  std::string out;
  bool replaced = false;
  bool dropping = false;
  for (const std::string& line : scratch) {
    const std::string content = TextFile::withoutLineEnd(line);
    if (ItemReader::isHeader(content)) {
      const int number = ItemReader::headerId(content);
      dropping = number <= 0 || number == CommentEditor::kFictional;
      if (!dropping && !replaced && number == cmtID) {
        out += content + kCrLf + body;
        replaced = true;
        dropping = true;  // the old text of the record goes
        continue;
      }
    }
    if (!dropping) out += line;
  }
  if (!found) {
    // A file whose last line has no line end must not run into the new header.
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += kCrLf;
    out += "." + std::to_string(newNumber) + kCrLf + body;
  }
  return out;
}

}  // namespace

CommentEditor::CommentEditor(GameContext& context, Ui& ui) : Screen(context, ui) {}

void CommentEditor::Form_Load() {
  init_rtn();
  Txt_cmt.text = comment_;
}

void CommentEditor::init_rtn() {
  caption = "武将のコメントエディタ";
  Name_lab.caption = ctx_.sharedText;
  Command1[0].caption = "戻る";
  Command1[1].caption = "決定";
  Txt_cmt.text.clear();
  stored_ = false;
}

void CommentEditor::Command1_Click(int index) {
  if (index == 0) {
    unload();
    return;
  }
  if (index != 1 || mj_Bushou == nullptr) return;
  if (!sv_Cmt_rtn(mj_Bushou->commentID)) return;
  stored_ = true;
  unload();
}

std::string CommentEditor::storedForm(const std::string& text) {
  std::string out;
  for (const std::string& line : TextFile::splitLines(text)) out += guardLine(line) + kCrLf;
  return out;
}

bool CommentEditor::sv_Cmt_rtn(int cmtID) {
  const std::string text = storedForm(Txt_cmt.text);
  const std::string name = mj_Bushou != nullptr ? mj_Bushou->name : ctx_.sharedText;
  const std::string unsaveable = Codec::firstUnencodable(name + text);
  if (!unsaveable.empty()) {
    ui_.msgBox("「" + unsaveable + "」はコメントに使えない文字です。別の文字に書き換えてください。", MsgStyle::OkOnly);
    return false;
  }

  const std::vector<std::string> lines = TextFile::rawLines(TextFile::readBytes(ctx_.dir, paths::kCmtsv));
  // Looks ahead for the new number before anything is written, so a refusal leaves both files alone.
  bool found = false;
  int highest = 0;
  for (const std::string& line : lines) {
    const std::string content = TextFile::withoutLineEnd(line);
    if (!ItemReader::isHeader(content)) continue;
    const int number = ItemReader::headerId(content);
    if (number > highest) highest = number;
    if (number == cmtID && number > 0 && number != kFictional) found = true;
  }
  int newNumber = 0;
  if (!found) {
    newNumber = highest + 1;
    if (newNumber == kFictional) ++newNumber;
    if (newNumber > kLargestNumber) {
      ui_.msgBox("コメント番号が999に達しているため、新しいコメントを作れません。", MsgStyle::OkOnly);
      return false;
    }
  }

  // Both texts were checked above, so they have a CP932 form.
  const std::string body = *Codec::toCp932(name + kCrLf + text + "." + kCrLf);
  TextFile::copy(ctx_.dir, paths::kCmtsv, paths::kCmtimg);
  const std::string out =
      rewrittenComments(TextFile::rawLines(TextFile::readBytes(ctx_.dir, paths::kCmtimg)), cmtID, body, found, newNumber);
  // The comment and the officer's new number are written both or neither, so no comment is
  // left without its officer.
  EditBatch batch(ctx_.dir);
  batch.add(paths::kCmtsv, out);
  Bushou renumbered = mj_Bushou != nullptr ? *mj_Bushou : Bushou();
  const bool renumber = !found && mj_Bushou != nullptr;
  if (renumber) {
    renumbered.commentID = static_cast<int16>(newNumber);
    batch.add(paths::kBusv, OfficerRecordFile::rewritten(ctx_.dir, renumbered, paths::kBusv));
  }
  try {
    batch.commit();
  } catch (const DataError& e) {
    ui_.msgBox(std::string("コメントを保存できませんでした。") + kCrLf + e.what(), MsgStyle::OkOnly);
    return false;
  }
  if (renumber) *mj_Bushou = renumbered;
  return true;
}

}  // namespace velkaro
