#include "data/RecordSet.h"

#include <array>
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

// What a number item is called in a message and where a game in play keeps it; `officerId`
// bounds take the highest officer id instead of `high`.
struct Field {
  const char* label;
  int low;
  int high;
  bool officerId = false;
};

constexpr int kInt16Low = -32768;
constexpr int kInt16High = 32767;
constexpr int kAbilityLow = 1;
constexpr int kAbilityHigh = 10;

// Indexed like the layouts. Abilities are 1..10 and posts 0..6 as every screen shows them;
// comment numbers stop at 999, as the comment editor hands them out.
const std::array<Field, 11> kOfficerFields = {{{"", 0, 0},
                                               {"政治", kAbilityLow, kAbilityHigh},
                                               {"武勇", kAbilityLow, kAbilityHigh},
                                               {"智謀", kAbilityLow, kAbilityHigh},
                                               {"采配", kAbilityLow, kAbilityHigh},
                                               {"器量", kAbilityLow, kAbilityHigh},
                                               {"節度", kAbilityLow, kAbilityHigh},
                                               {"仕える君主", 0, 0, true},
                                               {"職業", 0, 6},
                                               {"", 0, 0},
                                               {"コメント番号", 0, 999}}};
// Order stays in 0..100; awe is capped at 100, but a step of at most 3 taken below 100 may pass
// it. Fame and cohesion may leave their usual ranges by the rules, so only 16 bits bound them.
const std::array<Field, 10> kFactionFields = {{{"", 0, 0},
                                               {"盟主", 0, 0, true},
                                               {"君主", 0, 0, true},
                                               {"兵力", 0, kInt16High},
                                               {"精兵", 0, kInt16High},
                                               {"名声", kInt16Low, kInt16High},
                                               {"治安", 0, 100},
                                               {"結束力", kInt16Low, kInt16High},
                                               {"畏怖", 0, 102},
                                               {"", 0, 0}}};

std::string recordName(int id) { return "記録 ." + std::to_string(id); }

// A number as the message shows it: as typed, unless it is too long to quote whole.
std::string shown(const std::string& item) { return item.size() <= 20 ? item : DataError::quoted(item); }

void checkRange(const Field& field, const RecordSet::InPlay& inPlay, const std::string& file, int id,
                const std::string& item, double value) {
  const int high = field.officerId ? inPlay.officerMax : field.high;
  if (value >= field.low && value <= high) return;
  throw DataError::malformed(file, recordName(id) + " の" + field.label + " " + shown(item) + " は " +
                                       std::to_string(field.low) + "〜" + std::to_string(high) + " の範囲外です");
}

void checkFlag(const std::string& file, int id, const std::string& flag) {
  if (flag == "TRUE" || flag == "FALSE" || flag == "false") return;
  throw DataError::malformed(file, recordName(id) + " の滅亡の印" + DataError::quoted(flag) +
                                       "は「TRUE」「FALSE」「false」のどれでもありません");
}

void readRecord(ItemReader& reader, const std::string& file, int id, RecordSet::Kind kind,
                const std::optional<RecordSet::InPlay>& inPlay) {
  const bool officers = kind == RecordSet::Kind::Officers;
  const auto& layout = officers ? kOfficerLayout : kFactionLayout;
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
    if (!inPlay) continue;
    if (layout[n]) checkRange(officers ? kOfficerFields[n] : kFactionFields[n], *inPlay, file, id, item, value);
    if (!officers && n + 1 == layout.size()) checkFlag(file, id, item);
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

void RecordSet::check(const std::string& utf8, const std::string& file, Kind kind, int max, bool requireAll,
                      std::optional<InPlay> inPlay) {
  std::vector<bool> seen(static_cast<std::size_t>(max) + 1, false);
  ItemReader reader(utf8);
  while (!reader.eof()) {
    const std::string item = reader.readItem();
    if (!ItemReader::isHeader(item)) continue;
    const int id = ItemReader::headerId(item);
    if (id < 1 || id > max) continue;
    readRecord(reader, file, id, kind, inPlay);
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
