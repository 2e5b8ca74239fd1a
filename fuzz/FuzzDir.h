#pragma once
// A game directory for one fuzzing process, in shared memory where it exists, into which each
// input is written as the file under test; the readers then meet it exactly as the game does.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/FileCache.h"
#include "data/GamePaths.h"

namespace velkaro::fuzz {

class FuzzDir {
 public:
  FuzzDir() {
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    root_ = base / ("velkaro-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(root_ / "ini");
    std::filesystem::create_directories(root_ / "save");
    dir_ = GamePaths(root_);
  }
  ~FuzzDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  FuzzDir(const FuzzDir&) = delete;
  FuzzDir& operator=(const FuzzDir&) = delete;

  // Writes bytes to a path relative to the root ("ini/busv.ini").
  // Each input is an edit from outside the game, so the game's file cache looks again.
  void write(const std::string& relative, const std::uint8_t* data, std::size_t size) const {
    {
      std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    FileCache::shared().lookAgain();
  }
  void write(const std::string& relative, const std::string& bytes) const {
    write(relative, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }

  const GamePaths& dir() const { return dir_; }

 private:
  std::filesystem::path root_;
  GamePaths dir_;
};

// The one directory of this process, made on first use and removed at exit.
inline FuzzDir& fuzzDir() {
  static FuzzDir dir;
  return dir;
}

}  // namespace velkaro::fuzz
