#pragma once
// One numbered save slot: its five files in "\save\", the copies to and from the running
// game, and the slot file that keeps the game-wide values the state files do not hold.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "data/GameContext.h"

namespace velkaro {

class SaveSlot {
 public:
  static constexpr int kStoredEntries = 6;   // slot-record entries 0..5
  static constexpr int kSavedPlayers = 16;   // player slots 0..15; 16..20 are not saved
  static constexpr int kPreviewPlayers = 15; // the load question looks at positions 0..14 only

  struct Player {
    std::string name;
    int16 ruler = 0;
    int16 faction = 0;
    int16 alliance = 0;
  };
  struct Contents {
    std::array<int16, kStoredEntries> entries{};
    std::array<Player, kSavedPlayers> players{};
    // The first name of positions 0..14 that is neither empty nor "0".
    std::string previewName() const;
  };

  // `number` is the slot name as typed: digits, leading zeros kept, possibly empty.
  SaveSlot(const GameDir& dir, std::string number) : dir_(dir), number_(std::move(number)) {}

  std::string busvFile() const { return "\\save\\busv" + number_ + ".ini"; }
  std::string gunsvFile() const { return "\\save\\gunsv" + number_ + ".ini"; }
  std::string cmtsvFile() const { return "\\save\\Cmtsv" + number_ + ".ini"; }
  std::string logFile() const { return "\\save\\velkarolog" + number_ + ".log"; }
  std::string slotFile() const { return "\\save\\save" + number_ + ".ini"; }

  // The slot's five files that do not exist (empty when the slot is complete).
  std::vector<std::string> missingFiles() const;

  // The slot file's values; nullopt when it is missing or cannot be read as a slot file.
  std::optional<Contents> readContents() const;

  // Copies the four game files into the slot and writes the slot file from the context.
  // Every source is read before anything is written, so a missing one changes no slot file;
  // a write that fails half way removes the slot file, so the torn slot cannot be loaded.
  // Throws DataError.
  void save(const GameContext& ctx) const;

  // Copies the slot back over the four game files and returns its values. Everything is read
  // and checked before the first game file is replaced; if a write fails the game files are
  // put back as they were. Throws DataError; the game files are unchanged then.
  Contents restore() const;

  static std::string slotFileText(const GameContext& ctx);

 private:
  const GameDir& dir_;
  std::string number_;
};

}  // namespace velkaro
