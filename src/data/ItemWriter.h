#pragma once
// Builds lines of a game file in write form (text quoted, numbers bare, commas between)
// or print form (one text as it is); every line ends in CR LF.
#include <string>

namespace velkaro {

class ItemWriter {
 public:
  ItemWriter& text(const std::string& value);
  ItemWriter& number(long long value);
  // Ends the current write-form statement with CR LF.
  ItemWriter& endLine();
  // One text unchanged, followed by CR LF.
  ItemWriter& print(const std::string& value);

  const std::string& str() const { return out_; }

 private:
  void separate();
  std::string out_;
  bool lineStarted_ = false;
};

}  // namespace velkaro
