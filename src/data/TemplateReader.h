#pragma once
// Reads numbered sections of the template files ("\ini\Text.ini", "\ini\Command.ini") and
// splices message parameters 1 ("+" lines) and 2 ("*" lines) into them.
#include <string>

#include "data/GamePaths.h"
#include "data/PageTable.h"

namespace velkaro {

class TemplateReader {
 public:
  // Longest template line (in characters); the longest shipped one has under 400. Longer ones
  // come only from broken data, and copied into every year's narration they would grow the log
  // without bound.
  static constexpr std::size_t kLineLimit = 1000;

  // Appends section `number` to the pages; "/" moves on to the next page. Both forms throw
  // DataError naming the file and the line when a line on the way is longer than kLineLimit.
  static void appendSection(const GamePaths& dir, const std::string& file, int number, const std::string& param1,
                            const std::string& param2, PageTable& pages);
  // The single-text form: "/" throws away what was collected, so only the part after the last "/" remains.
  static std::string singleText(const GamePaths& dir, const std::string& file, int number, const std::string& param1,
                                const std::string& param2);
};

}  // namespace velkaro
