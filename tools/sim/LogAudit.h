#pragma once
// Checks the battle log of a running game: one year heading per resolved year, in order, and
// exactly one terminator "EOT=======" as the last line.
#include <string>
#include <vector>

#include "data/GamePaths.h"

namespace velkaro::sim {

class LogAudit {
 public:
  // firstYear..lastYear are the years resolved so far (none when lastYear < firstYear).
  static void check(const GamePaths& dir, int firstYear, int lastYear, std::vector<std::string>& out);
  // The same on the log's lines (UTF-8, without line ends); `endsWithLineBreak` for the file's last byte pair.
  static void checkLines(const std::vector<std::string>& lines, bool endsWithLineBreak, int firstYear, int lastYear,
                         std::vector<std::string>& out);
};

}  // namespace velkaro::sim
