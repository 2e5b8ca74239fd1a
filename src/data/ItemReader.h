#pragma once
// Reads the items of a game file: separated by commas or line ends, text in double quotes,
// leading blanks skipped. Works on the UTF-8 text of a whole file.
#include <cstddef>
#include <string>

namespace velkaro {

class ItemReader {
 public:
  explicit ItemReader(std::string text) : text_(std::move(text)) {}

  // True when nothing but blanks and line ends is left.
  bool eof();
  // The next item (quotes removed); empty at the end of the text.
  std::string readItem();
  // The rest of the current line, without its line end.
  std::string readLine();
  // True when the last readItem() found an item (false only at the end of the text).
  bool lastItemRead() const { return lastRead_; }

  // The id of a record header: the numeric value of characters 2..4 of an item that starts with ".".
  static int headerId(const std::string& item);
  static bool isHeader(const std::string& item) { return !item.empty() && item[0] == '.'; }

 private:
  bool atLineEnd() const;
  void skipLineEnd();

  std::string text_;
  std::size_t pos_ = 0;
  bool lastRead_ = false;
};

}  // namespace velkaro
