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
  SaveSlot(const GamePaths& dir, std::string number) : dir_(dir), number_(std::move(number)) {}

  std::string busvFile() const { return "\\save\\busv" + number_ + ".ini"; }
  std::string gunsvFile() const { return "\\save\\gunsv" + number_ + ".ini"; }
  std::string cmtsvFile() const { return "\\save\\Cmtsv" + number_ + ".ini"; }
  std::string logFile() const { return "\\save\\velkarolog" + number_ + ".log"; }
  std::string slotFile() const { return "\\save\\save" + number_ + ".ini"; }
  // The history record (HistoryRecord), saved beside the five when the game keeps one; a slot
  // without it loads, and the record starts again with the loaded year.
  std::string historyFile() const { return "\\save\\suiisv" + number_ + ".ini"; }
  // The stamp that ties the five files together (SlotStamp); absent in slots of older saves.
  std::string stampFile() const { return "\\save\\stamp" + number_ + ".ini"; }
  // The journal record of a save of this slot that is under way (SlotJournal).
  std::string journalFile() const { return "\\save\\save" + number_ + ".journal"; }
  // The journal record of a load under way; there is one running game, so one record.
  static constexpr const char* kLoadJournal = "\\save\\load.journal";

  // The slot's five files that do not exist (empty when the slot is complete).
  std::vector<std::string> missingFiles() const;

  // The slot file's values; nullopt when it is missing or cannot be read as a slot file.
  std::optional<Contents> readContents() const;

  // What a look at the slot found: its values, and whether its files are the ones it was saved with.
  struct Inspection {
    Contents contents;
    // The first file that does not match the slot's stamp (the stamp itself when it cannot be
    // read): the file was changed by hand or comes from another save. Empty when every file
    // matches and for slots of older saves, which have no stamp.
    std::optional<std::string> changedFile;
  };

  // Reads and checks every file of the slot for what it holds, as a load needs it: all five
  // there and regular files, each in CP932, the slot file whole with its values in range, the
  // officer and faction files holding every record whole with every value in range. Throws
  // DataError naming the file and the reason. Only then are the files compared with the stamp,
  // so a broken file is named for what is wrong with it, and a sound one that was changed is
  // reported in `changedFile`. `bytes` receives the four game files' raw bytes.
  Inspection examine(std::array<std::string, 4>* bytes = nullptr) const;

  // examine, and a changed file is refused as well (DataError naming the slot and the file).
  Contents inspect(std::array<std::string, 4>* bytes = nullptr) const;

  // Copies the four game files into the slot and writes the slot file and the stamp, under a
  // rollback journal: whatever moment the process dies at, the slot is all old or all new.
  // Throws DataError; the slot is as it was then.
  void save(const GameContext& ctx) const;

  // Whether a load takes files that no longer match the slot's stamp: only once the player has
  // been asked and agreed.
  enum class Changes { refused, accepted };

  // Checks the slot (examine; a changed file is refused unless `changes` accepts it) and copies
  // it back over the four game files under a rollback journal, and returns its values. Throws
  // DataError; the game files are unchanged then.
  Contents restore(Changes changes = Changes::refused) const;

  static std::string slotFileText(const GameContext& ctx);
  // The slot file's values from its UTF-8 text; nullopt when lines or numbers are missing.
  static std::optional<Contents> parseContents(std::string text);

 private:
  // Every file a save of this slot writes.
  std::vector<std::string> journaled() const;
  // The slot's history record as a load brings it back: nullopt when there is none or it is not
  // the one its stamp names (it then never refuses the load).
  std::optional<std::string> savedHistory() const;

  const GamePaths& dir_;
  std::string number_;
};

}  // namespace velkaro
