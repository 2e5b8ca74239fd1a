#include "editors/Cmt_Edit.h"

#include <vector>

#include "data/Codec.h"
#include "data/ItemReader.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "editors/Module1.h"

namespace velkaro {
namespace {

constexpr const char* kFullStop = "．";

// Raw lines with their own line ends (CP932 never uses CR or LF inside a character).
std::vector<std::string> rawLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
      lines.push_back(bytes.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::string withoutLineEnd(const std::string& line) {
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == '\r' || line[end - 1] == '\n')) --end;
  return line.substr(0, end);
}

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

}  // namespace

Cmt_Edit::Cmt_Edit(GameContext& context, Ui& ui) : Screen(context, ui) {}

void Cmt_Edit::Form_Load() {
  init_rtn();
  Txt_cmt.text = comment_;
}

void Cmt_Edit::init_rtn() {
  caption = "武将のコメントエディタ";
  Name_lab.caption = ctx_.sharedText;
  Command1[0].caption = "戻る";
  Command1[1].caption = "決定";
  Txt_cmt.text.clear();
  stored_ = false;
}

void Cmt_Edit::Command1_Click(int index) {
  if (index == 0) {
    unload();
    return;
  }
  if (index != 1 || mj_Bushou == nullptr) return;
  if (!sv_Cmt_rtn(mj_Bushou->commentID)) return;
  stored_ = true;
  unload();
}

std::string Cmt_Edit::storedForm(const std::string& text) {
  std::string out;
  for (const std::string& line : TextFile::splitLines(text)) out += guardLine(line) + kCrLf;
  return out;
}

bool Cmt_Edit::sv_Cmt_rtn(int cmtID) {
  const std::string text = storedForm(Txt_cmt.text);
  const std::string name = mj_Bushou != nullptr ? mj_Bushou->name : ctx_.sharedText;
  const std::string unsaveable = Codec::firstUnencodable(name + text);
  if (!unsaveable.empty()) {
    ui_.msgBox("「" + unsaveable + "」はコメントに使えない文字です。別の文字に書き換えてください。", MsgStyle::OkOnly);
    return false;
  }

  const std::vector<std::string> lines = rawLines(TextFile::readBytes(ctx_.dir, paths::kCmtsv));
  // Looks ahead for the new number before anything is written, so a refusal leaves both files alone.
  bool found = false;
  int highest = 0;
  for (const std::string& line : lines) {
    const std::string content = withoutLineEnd(line);
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
  const std::vector<std::string> scratch = rawLines(TextFile::readBytes(ctx_.dir, paths::kCmtimg));
  std::string out;
  bool replaced = false;
  bool dropping = false;
  for (const std::string& line : scratch) {
    const std::string content = withoutLineEnd(line);
    if (ItemReader::isHeader(content)) {
      const int number = ItemReader::headerId(content);
      dropping = number <= 0 || number == kFictional;
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
  TextFile::writeBytes(ctx_.dir, paths::kCmtsv, out);

  if (!found && mj_Bushou != nullptr) {
    Bushou renumbered = *mj_Bushou;
    renumbered.commentID = static_cast<int16>(newNumber);
    Module1::rewriteOfficer(ctx_.dir, renumbered, paths::kBusv);
    *mj_Bushou = renumbered;
  }
  return true;
}

}  // namespace velkaro
