#pragma once
// Checks the comment master "\ini\Comment.ini" and yields the comment numbers it holds.
#include <set>
#include <string>
#include <vector>

#include "check/CheckReport.h"

namespace velkaro {

class CommentCheck {
 public:
  // Every record: a header with its number, the officer's name on one line, one or more lines
  // of text that the status screen can show whole. Returns the numbers the reader can find.
  static std::set<int> run(const std::vector<std::string>& lines, CheckReport& report);

  // The part of a comment line that the status screen would not show (text after a closing
  // quote), or empty when the line is shown whole.
  static std::string lostText(const std::string& line);
};

}  // namespace velkaro
