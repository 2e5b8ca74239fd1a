#pragma once
// Writes, renames and removals that are on the disk when they return: the file's bytes and
// the folder entry are both flushed, so a power cut after the call cannot undo it. Saves,
// their journals and the scenario masters go through here; cheap scratch writes do not.
#include <filesystem>
#include <string>

namespace velkaro {

class Durable {
 public:
  // Replaces the file through a flushed temporary and flushes its folder; false on failure.
  static bool write(const std::filesystem::path& target, const std::string& bytes);
  // Renames within one folder and flushes it; false on failure.
  static bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
  // Removes the file if it is there and flushes its folder; false when it stays.
  static bool remove(const std::filesystem::path& target);
  // Flushes a folder's entries (names created, renamed or removed in it).
  static bool syncFolder(const std::filesystem::path& folder);
};

}  // namespace velkaro
