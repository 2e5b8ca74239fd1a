#pragma once
// The rollback journal of a save or a load: before the first of a set of files is replaced,
// the old files are set aside and a record of the operation is put on the disk; the record
// is dropped once every new file is on the disk. A record found at the next start or load
// means the process died half way, and the old files are put back, so the set is always
// entirely old or entirely new.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/GamePaths.h"

namespace velkaro {

class SlotJournal {
 public:
  // `record` is the game name of the journal record ("\save\save1.journal"); `files` the game
  // names of every file the operation may write or remove.
  SlotJournal(const GamePaths& dir, std::string record, std::vector<std::string> files);

  // Sets the old files aside and puts the record on the disk. Throws DataError (nothing
  // changed then, or what changed is rolled back).
  void begin();
  // Writes one of the files; nullopt removes it. Throws DataError; the caller rolls back.
  void put(const std::string& file, const std::optional<std::string>& bytes);
  // The new files stand: drops the record, then the old files.
  void commit();
  // Puts every old file back and drops the record. Safe to repeat after a crash inside it.
  void rollback();

  // Rolls back every record in the save folder and removes stale temporaries ("*.tmp~",
  // "*.old~", the spares "*.spare~") in the ini and save folders; the number of records rolled back.
  static int recover(const GamePaths& dir);

  static constexpr const char* kRecordSuffix = ".journal";
  static constexpr const char* kAsideSuffix = ".old~";

 private:
  std::filesystem::path aside(const std::string& file) const;
  void removeAside() const;
  static std::optional<SlotJournal> readRecord(const GamePaths& dir, const std::filesystem::path& path);

  const GamePaths& dir_;
  std::string record_;
  std::vector<std::string> files_;
  std::vector<bool> existed_;
};

}  // namespace velkaro
