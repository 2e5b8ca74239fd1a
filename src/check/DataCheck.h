#pragma once
// Checks a whole game data folder (the "ini" folder of a game directory) and collects every problem.
#include <string>
#include <vector>

#include "check/CheckReport.h"
#include "data/GamePaths.h"

namespace velkaro {

class DataCheck {
 public:
  explicit DataCheck(GamePaths dir) : dir_(std::move(dir)) {}

  // Problems are grouped by file, in the order of expectedFiles().
  CheckReport run() const;

  // Every file the game needs in its ini folder, by the game's names.
  static const std::vector<std::string>& expectedFiles();

 private:
  GamePaths dir_;
};

}  // namespace velkaro
