#pragma once
// Crash-safe replacement of a file: the new contents go to a temporary file in the same
// folder, which is then renamed over the target, so a crash leaves the old or the new file.
#include <filesystem>
#include <string>

namespace velkaro {

class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  ~AtomicFile();  // removes a staged temporary that was never committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Writes the bytes to the temporary file and flushes them to disk; false on failure.
  bool stage(const std::string& bytes);
  // Renames the staged temporary over the target; false on failure.
  bool commit();

  // stage() then commit().
  static bool replace(const std::filesystem::path& target, const std::string& bytes);

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  bool staged_ = false;
};

}  // namespace velkaro
