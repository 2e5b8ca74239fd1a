#pragma once
// Checks that every template section the game reads is present, reachable, closed and not empty.
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "data/GamePaths.h"

namespace velkaro {

class TemplateCheck {
 public:
  // The sections the screens read: the narration and reports of "\ini\Text.ini", and the
  // strategy explanations and scenario descriptions of "\ini\Command.ini".
  static const std::vector<int>& textSections();
  static const std::vector<int>& commandSections();

  // The reader stops at the first header numbered from here up.
  static constexpr int kUnreachable = 100;

  // `lines` are the file's lines (already known to be CP932); the section contents are read
  // through the game's own template reader.
  static void run(const GamePaths& dir, const std::string& file, const std::vector<std::string>& lines,
                  const std::vector<int>& used, CheckReport& report);
};

}  // namespace velkaro
