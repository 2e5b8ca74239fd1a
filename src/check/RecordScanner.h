#pragma once
// Splits a record file (officer, faction and comment files) at its "." header lines and reads
// each line's items with the game's own item reader.
#include <string>
#include <vector>

namespace velkaro {

struct RecordLine {
  int number = 0;  // line number in the file, from 1
  std::string text;
  std::vector<std::string> items;
};

struct ScannedRecord {
  int id = 0;                    // as the game reads it: characters 2..4 of the header
  RecordLine header;
  std::vector<RecordLine> body;  // the lines up to the next header that hold items

  std::vector<std::string> items() const;
};

struct RecordScan {
  std::vector<RecordLine> stray;  // lines with items before the first header
  std::vector<ScannedRecord> records;
};

class RecordScanner {
 public:
  static RecordScan scan(const std::vector<std::string>& lines);
  // The items of one line, as the item reader splits them.
  static std::vector<std::string> items(const std::string& line);
  // "." followed by one to three digits and nothing else: the form every reader agrees on.
  static bool wellFormedHeader(const std::string& line);
  // An integer item: a number without a fraction that fits a 16-bit field.
  static bool parseInteger(const std::string& item, int& out);
};

}  // namespace velkaro
