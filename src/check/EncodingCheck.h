#pragma once
// Checks the bytes of one data file (code page 932, CR LF after every line) and hands back its lines in UTF-8.
#include <optional>
#include <string>
#include <vector>

#include "check/CheckReport.h"

namespace velkaro {

class EncodingCheck {
 public:
  // The file's lines, split as the game splits them, when every byte reads as CP932;
  // nullopt otherwise, so that nothing is concluded from a text the game cannot read.
  static std::optional<std::vector<std::string>> lines(const std::string& file, const std::string& bytes,
                                                       CheckReport& report);
};

}  // namespace velkaro
