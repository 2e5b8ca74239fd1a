#include "data/HistoryRecord.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

constexpr int kItems = 7;

std::optional<double> number(const std::string& item) {
  double value = 0;
  if (!parseNumber(item, value) || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool whole(double value) { return value == std::floor(value) && std::fabs(value) < 1e15; }

// One line of the record as a row; nullopt when it is not one.
std::optional<HistoryRecord::Row> rowOf(const std::string& line) {
  ItemReader reader(line);
  std::vector<std::string> items;
  while (!reader.eof()) {
    items.push_back(reader.readItem());
    if (items.size() > kItems) return std::nullopt;
  }
  if (items.size() != kItems) return std::nullopt;
  const auto year = number(items[0]);
  const auto faction = number(items[1]);
  const auto troops = number(items[3]);
  const auto fame = number(items[4]);
  const auto score = number(items[5]);
  if (!year || !faction || !troops || !fame || !score) return std::nullopt;
  if (!whole(*year) || !whole(*faction) || !whole(*troops) || !whole(*fame) || *faction < 1) return std::nullopt;
  if (items[6] != "0" && items[6] != "1") return std::nullopt;
  HistoryRecord::Row row;
  row.year = static_cast<int>(sat16(static_cast<long long>(*year)));
  row.faction = static_cast<int>(sat16(static_cast<long long>(*faction)));
  row.name = items[2];
  row.troops = static_cast<long long>(*troops);
  row.fame = static_cast<int>(sat16(static_cast<long long>(*fame)));
  row.score = *score;
  row.player = items[6] == "1";
  return row;
}

}  // namespace

std::vector<HistoryRecord::Row> HistoryRecord::parse(const std::string& utf8, const std::string& file) {
  const std::vector<std::string> lines = TextFile::splitLines(utf8);
  if (lines.empty() || lines[0] != kHeading) {
    throw DataError::malformed(file, std::string("1行目が「") + kHeading + "」ではありません");
  }
  std::vector<Row> rows;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].find_first_not_of(" \t") == std::string::npos) continue;
    const std::string where = std::to_string(i + 1) + "行目";
    auto row = rowOf(lines[i]);
    if (!row) throw DataError::malformed(file, where + "が「年,軍閥番号,軍閥名,兵力,名声,得点,プレイヤー」の形ではありません");
    if (!rows.empty() && row->year < rows.back().year) throw DataError::malformed(file, where + "の年が前の行より前です");
    rows.push_back(std::move(*row));
  }
  return rows;
}

std::vector<HistoryRecord::Row> HistoryRecord::read(const GamePaths& dir) {
  if (!dir.exists(paths::kSuiisv)) return {};
  return parse(TextFile::read(dir, paths::kSuiisv), paths::kSuiisv);
}

std::string HistoryRecord::scoreText(double score) {
  // Three decimals rounded as printf's "%.3f" rounds them. A hand-edited record may hold any
  // finite number; its fixed form can run to 309 digits before the point.
  // emscripten's C++ library has no to_chars for floating point; its printf gives the same digits.
  char buffer[400];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
  const auto done = std::to_chars(buffer, buffer + sizeof buffer, score, std::chars_format::fixed, 3);
  std::string text(buffer, done.ptr);
#else
  const int length = std::snprintf(buffer, sizeof buffer, "%.3f", score);
  std::string text(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
#endif
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

namespace {

// A double quote would end the quoted name early; the full-width one reads back as it is.
std::string quotable(std::string name) {
  for (std::size_t at = name.find('"'); at != std::string::npos; at = name.find('"', at)) name.replace(at, 1, "”");
  return name;
}

}  // namespace

std::string HistoryRecord::text(const std::vector<Row>& rows) {
  ItemWriter w;
  w.print(kHeading);
  std::string out = w.str();
  for (const Row& r : rows) {
    ItemWriter line;
    line.number(r.year).number(r.faction).text(quotable(r.name)).number(r.troops).number(r.fame);
    out += line.str() + "," + scoreText(r.score) + "," + (r.player ? "1" : "0") + kCrLf;
  }
  return out;
}

void HistoryRecord::putYear(const GamePaths& dir, int year, const std::vector<Row>& rows, bool fresh) {
  std::vector<Row> record;
  if (!fresh) {
    try {
      record = read(dir);
    } catch (const DataError&) {
      record.clear();  // a broken record cannot be continued; the new one starts with this year
    }
  }
  while (!record.empty() && record.back().year >= year) record.pop_back();
  record.insert(record.end(), rows.begin(), rows.end());
  try {
    TextFile::write(dir, paths::kSuiisv, text(record), Durability::killSafe);
  } catch (const DataError&) {
    // Unwritable, or a name without a CP932 form: the charts miss this year, the game goes on.
  }
}

}  // namespace velkaro
