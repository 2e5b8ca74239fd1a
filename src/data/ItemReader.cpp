#include "data/ItemReader.h"

namespace velkaro {
namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
}  // namespace

bool ItemReader::atLineEnd() const { return pos_ < text_.size() && isLineEnd(text_[pos_]); }

void ItemReader::skipLineEnd() {
  if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
  if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

bool ItemReader::eof() {
  std::size_t p = pos_;
  while (p < text_.size() && (isBlank(text_[p]) || isLineEnd(text_[p]))) ++p;
  return p >= text_.size();
}

std::string ItemReader::readItem() {
  while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) ++pos_;
  lastRead_ = pos_ < text_.size();
  if (!lastRead_) return {};
  std::string item;
  if (text_[pos_] == '"') {
    const std::size_t start = ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"' && !isLineEnd(text_[pos_])) ++pos_;
    item.assign(text_, start, pos_ - start);
    if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
    // Anything between the closing quote and the separator is not part of the item.
    while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(text_[end - 1])) --end;
    item.assign(text_, start, end - start);
  }
  if (pos_ < text_.size() && text_[pos_] == ',') {
    ++pos_;
  } else {
    skipLineEnd();
  }
  return item;
}

std::string ItemReader::readLine() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && !isLineEnd(text_[pos_])) ++pos_;
  std::string line(text_, start, pos_ - start);
  skipLineEnd();
  return line;
}

int ItemReader::headerId(const std::string& item) {
  if (!isHeader(item)) return 0;
  const std::string digits = item.substr(1, 3);
  std::size_t i = 0;
  while (i < digits.size() && isBlank(digits[i])) ++i;
  bool negative = false;
  if (i < digits.size() && (digits[i] == '-' || digits[i] == '+')) negative = digits[i++] == '-';
  int value = 0;
  while (i < digits.size() && digits[i] >= '0' && digits[i] <= '9') value = value * 10 + (digits[i++] - '0');
  return negative ? -value : value;
}

}  // namespace velkaro
