#pragma once
// What one game of a batch hands to the statistics, written as a small text file into the
// game's folder so that games played in other processes can be gathered afterwards.
#include <optional>
#include <string>

#include "tools/sim/Simulation.h"

namespace velkaro::sim {

class GameRecord {
 public:
  // Lines "key values…"; a faction's name is the rest of its line.
  static std::string write(const Summary& summary);
  // nullopt when the text is not a complete record.
  static std::optional<Summary> read(const std::string& text);
};

}  // namespace velkaro::sim
