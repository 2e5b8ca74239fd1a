#pragma once
// Reads numbered sections of the template files ("\ini\Text.ini", "\ini\Command.ini") and
// splices message parameters 1 ("+" lines) and 2 ("*" lines) into them.
#include <string>

#include "data/GameDir.h"
#include "data/PageTable.h"

namespace velkaro {

class TemplateReader {
 public:
  // Appends section `number` to the pages; "/" moves on to the next page.
  static void appendSection(const GameDir& dir, const std::string& file, int number, const std::string& param1,
                            const std::string& param2, PageTable& pages);
  // The single-text form: "/" throws away what was collected, so only the part after the last "/" remains.
  static std::string singleText(const GameDir& dir, const std::string& file, int number, const std::string& param1,
                                const std::string& param2);
};

}  // namespace velkaro
