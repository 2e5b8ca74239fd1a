#pragma once
// A fresh game directory under the system's temporary folder, removed after the test.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "data/Codec.h"
#include "data/FileCache.h"
#include "data/GamePaths.h"

namespace velkaro::test {

class TempGameDir {
 public:
  TempGameDir() {
    std::random_device device;
    root_ = std::filesystem::temp_directory_path() / ("velkaro-test-" + std::to_string(device()) + "-" +
                                                      std::to_string(device()));
    std::filesystem::create_directories(root_ / "ini");
    std::filesystem::create_directories(root_ / "save");
    dir_ = GamePaths(root_);
  }
  ~TempGameDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TempGameDir(const TempGameDir&) = delete;
  TempGameDir& operator=(const TempGameDir&) = delete;

  const GamePaths& dir() const { return dir_; }
  const std::filesystem::path& root() const { return root_; }

  // Writes raw bytes to a path relative to the root ("ini/busv.ini"). This is an edit from
  // outside the game, as a player makes one while the game waits, so the game looks again.
  void writeBytes(const std::string& relative, const std::string& bytes) const {
    {
      std::ofstream out(root_ / relative, std::ios::binary);
      out << bytes;
    }
    FileCache::shared().lookAgain();
  }
  // Writes UTF-8 text with LF line ends as CP932 with CR LF.
  void writeText(const std::string& relative, const std::string& utf8) const {
    std::string crlf;
    for (char c : utf8) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    writeBytes(relative, *Codec::toCp932(crlf));
  }
  std::string readBytes(const std::string& relative) const {
    std::ifstream in(root_ / relative, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  std::string readText(const std::string& relative) const { return Codec::toUtf8(readBytes(relative)).value_or("?"); }

  // Copies the shipped ini folder of the build into this directory.
  void installShippedData() const {
    std::filesystem::copy(VELKARO_SHIPPED_INI, root_ / "ini",
                          std::filesystem::copy_options::overwrite_existing | std::filesystem::copy_options::recursive);
    FileCache::shared().lookAgain();
  }

 private:
  std::filesystem::path root_;
  GamePaths dir_;
};

}  // namespace velkaro::test
