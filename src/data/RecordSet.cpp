#include "data/RecordSet.h"

#include <vector>

#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/Numbers.h"

namespace velkaro {
namespace {

// Item layouts after the header: true = a number. Officers: name, 8 numbers, jpg, commentID.
const std::vector<bool> kOfficerLayout = {false, true, true, true, true, true, true, true, true, false, true};
// Factions: name, 8 numbers, the destroyed flag.
const std::vector<bool> kFactionLayout = {false, true, true, true, true, true, true, true, true, false};

std::string recordName(int id) { return "記録 ." + std::to_string(id); }

void readRecord(ItemReader& reader, const std::string& file, int id, const std::vector<bool>& layout) {
  for (std::size_t n = 0; n < layout.size(); ++n) {
    const std::string item = reader.readItem();
    if (!reader.lastItemRead()) throw DataError::malformed(file, recordName(id) + " が途中で終わっています");
    double value = 0;
    if (layout[n] && !parseNumber(item, value)) {
      throw DataError::malformed(file, recordName(id) + " の" + DataError::quoted(item) + "は数値ではありません");
    }
    if (n == 0 && RecordSet::characters(item) > RecordSet::kNameLimit) {
      throw DataError::malformed(file, recordName(id) + " の名前" + DataError::quoted(item) + "が長すぎます（" +
                                           std::to_string(RecordSet::kNameLimit) + "文字まで）");
    }
  }
}

}  // namespace

std::size_t RecordSet::characters(const std::string& utf8) {
  std::size_t count = 0;
  for (char c : utf8) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

void RecordSet::check(const std::string& utf8, const std::string& file, Kind kind, int max, bool requireAll) {
  const auto& layout = kind == Kind::Officers ? kOfficerLayout : kFactionLayout;
  std::vector<bool> seen(static_cast<std::size_t>(max) + 1, false);
  ItemReader reader(utf8);
  while (!reader.eof()) {
    const std::string item = reader.readItem();
    if (!ItemReader::isHeader(item)) continue;
    const int id = ItemReader::headerId(item);
    if (id < 1 || id > max) continue;
    readRecord(reader, file, id, layout);
    seen[static_cast<std::size_t>(id)] = true;
  }
  bool any = false;
  for (int id = 1; id <= max; ++id) {
    const bool there = seen[static_cast<std::size_t>(id)];
    any = any || there;
    if (requireAll && !there) throw DataError::malformed(file, recordName(id) + " がありません");
  }
  if (!any) throw DataError::malformed(file, "記録が一つもありません");
}

}  // namespace velkaro
