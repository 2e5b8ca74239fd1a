#include "data/ItemWriter.h"

#include <charconv>

#include "data/TextFile.h"

namespace velkaro {

void ItemWriter::separate() {
  if (lineStarted_) out_ += ',';
  lineStarted_ = true;
}

ItemWriter& ItemWriter::text(const std::string& value) {
  separate();
  out_ += '"';
  out_ += value;
  out_ += '"';
  return *this;
}

ItemWriter& ItemWriter::number(long long value) {
  separate();
  char digits[24];
  out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
  return *this;
}

ItemWriter& ItemWriter::endLine() {
  out_ += kCrLf;
  lineStarted_ = false;
  return *this;
}

ItemWriter& ItemWriter::print(const std::string& value) {
  if (lineStarted_) endLine();
  out_ += value;
  out_ += kCrLf;
  return *this;
}

}  // namespace velkaro
