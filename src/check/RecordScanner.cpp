#include "check/RecordScanner.h"

#include <cmath>

#include "data/ItemReader.h"
#include "data/Numbers.h"

namespace velkaro {

std::vector<std::string> ScannedRecord::items() const {
  std::vector<std::string> all;
  for (const auto& line : body) all.insert(all.end(), line.items.begin(), line.items.end());
  return all;
}

std::vector<std::string> RecordScanner::items(const std::string& line) {
  std::vector<std::string> out;
  ItemReader reader(line);
  for (;;) {
    std::string item = reader.readItem();
    if (!reader.lastItemRead()) break;
    out.push_back(std::move(item));
  }
  return out;
}

RecordScan RecordScanner::scan(const std::vector<std::string>& lines) {
  RecordScan scan;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    RecordLine line{static_cast<int>(i) + 1, lines[i], {}};
    if (ItemReader::isHeader(line.text)) {
      ScannedRecord record;
      record.id = ItemReader::headerId(line.text);
      record.header = std::move(line);
      scan.records.push_back(std::move(record));
      continue;
    }
    line.items = items(line.text);
    if (line.items.empty()) continue;
    if (scan.records.empty()) {
      scan.stray.push_back(std::move(line));
    } else {
      scan.records.back().body.push_back(std::move(line));
    }
  }
  return scan;
}

bool RecordScanner::wellFormedHeader(const std::string& line) {
  if (line.size() < 2 || line.size() > 4 || line[0] != '.') return false;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] < '0' || line[i] > '9') return false;
  }
  return true;
}

bool RecordScanner::parseInteger(const std::string& item, int& out) {
  double value = 0;
  if (!parseNumber(item, value)) return false;
  if (value != std::floor(value) || value < -32768.0 || value > 32767.0) return false;
  out = static_cast<int>(value);
  return true;
}

}  // namespace velkaro
