#include "editors/OfficerRecordFile.h"

#include <vector>

#include "data/Codec.h"
#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

constexpr int kRecordLines = 6;  // after the header


std::string itemOf(ItemReader& reader, const std::string& file, int id) {
  std::string item = reader.readItem();
  if (!reader.lastItemRead()) throw DataError::malformed(file, "記録 ." + std::to_string(id) + " が途中で終わっています");
  return item;
}

int16 numberOf(ItemReader& reader, const std::string& file, int id) {
  const std::string item = itemOf(reader, file, id);
  double value = 0;
  if (!parseNumber(item, value)) {
    throw DataError::malformed(file, "記録 ." + std::to_string(id) + " の" + DataError::quoted(item) + "は数値ではありません");
  }
  return cint(value);
}

// Texts are written bare; an empty or blank-only one would be a line the item reader skips,
// so it is quoted to keep the record's items in step.
void bare(ItemWriter& w, const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    w.text(text).endLine();
  } else {
    w.print(text);
  }
}

}  // namespace

std::string OfficerRecordFile::recordText(const Bushou& b) {
  ItemWriter w;
  w.print("." + std::to_string(b.id));
  bare(w, b.name);
  w.number(b.policy).number(b.fight).number(b.wisdom).number(b.tactics).endLine();
  w.number(b.charm).number(b.Setu).endLine();
  w.number(b.kunID).number(b.Job).endLine();
  bare(w, b.jpg);
  w.number(b.commentID).endLine();
  return w.str();
}

void OfficerRecordFile::rewriteOfficer(const GamePaths& dir, const Bushou& b, const std::string& filePass) {
  TextFile::writeBytes(dir, filePass, rewritten(dir, b, filePass));
}

std::string OfficerRecordFile::rewritten(const GamePaths& dir, const Bushou& b, const std::string& filePass) {
  std::string offending;
  const auto record = Codec::toCp932(recordText(b), &offending);
  if (!record) throw DataError::encoding(filePass, "「" + offending + "」はこのファイルに保存できない文字です");

  TextFile::copy(dir, filePass, paths::kBuimg);
  const std::vector<std::string> lines = TextFile::rawLines(TextFile::readBytes(dir, paths::kBuimg));
  std::string out;
  bool replaced = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string content = TextFile::withoutLineEnd(lines[i]);
    // Officer ids start at 1, so a bare "." never names the record being rewritten.
    if (replaced || b.id < 1 || !ItemReader::isHeader(content) || ItemReader::headerId(content) != b.id) {
      out += lines[i];
      continue;
    }
    out += *record;
    replaced = true;
    // The old record's lines go; a record cut short never takes the next header with it.
    for (int n = 0; n < kRecordLines && i + 1 < lines.size(); ++n) {
      if (ItemReader::isHeader(TextFile::withoutLineEnd(lines[i + 1]))) break;
      ++i;
    }
  }
  return out;
}

std::optional<Bushou> OfficerRecordFile::findOfficer(const GamePaths& dir, int id, const std::string& filePass, int officerMax) {
  ItemReader reader(TextFile::read(dir, filePass));
  while (!reader.eof()) {
    const std::string item = reader.readItem();
    if (!ItemReader::isHeader(item)) continue;
    const int recordId = ItemReader::headerId(item);
    if (recordId > officerMax) break;
    Bushou b;
    b.name = itemOf(reader, filePass, recordId);
    b.policy = numberOf(reader, filePass, recordId);
    b.fight = numberOf(reader, filePass, recordId);
    b.wisdom = numberOf(reader, filePass, recordId);
    b.tactics = numberOf(reader, filePass, recordId);
    b.charm = numberOf(reader, filePass, recordId);
    b.Setu = numberOf(reader, filePass, recordId);
    b.kunID = numberOf(reader, filePass, recordId);
    b.Job = numberOf(reader, filePass, recordId);
    b.jpg = itemOf(reader, filePass, recordId);
    b.commentID = numberOf(reader, filePass, recordId);
    if (recordId == id && id >= 1) {
      b.id = static_cast<int16>(id);
      return b;
    }
  }
  return std::nullopt;
}

Bushou OfficerRecordFile::readOfficer(const GamePaths& dir, int id, const std::string& filePass, int officerMax) {
  return findOfficer(dir, id, filePass, officerMax).value_or(Bushou());
}

}  // namespace velkaro
