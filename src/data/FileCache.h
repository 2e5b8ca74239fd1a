#pragma once
// What the program last read or wrote of each game file: its bytes with their UTF-8 text and
// lines, so that a file whose bytes have not changed is decoded and split only once. Every read
// still reads the file from disk and compares the bytes, so a change made from outside (or by a
// test) is always seen; only the work on unchanged bytes is saved. The game runs on one thread.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/GamePaths.h"

namespace velkaro {

class FileCache {
 public:
  // One content of one file. The text and lines are filled on first use and never change.
  struct Contents {
    std::string bytes;
    bool decoded = false;
    // The bytes were made by encoding the text (a write of this program), not the text by
    // decoding the bytes; only then does each line of the text stand for the same line of bytes.
    bool encodedFromText = false;
    std::optional<std::string> text;  // nullopt when the bytes are not CP932
    std::optional<std::vector<std::string>> lines;
    // What readers made of the text (records, rows), one form per kind of reader, so that a
    // file read many times over is parsed once per content.
    std::map<const void*, std::shared_ptr<const void>> parsed;
  };
  using Handle = std::shared_ptr<Contents>;

  enum class Access { read, write };
  // Told of every read and write of a game file with its path and size (the benchmarks replay
  // the same calls to measure what the file work alone costs).
  using Observer = std::function<void(Access, const std::string& path, std::size_t size)>;

  static FileCache& shared();

  // The real path of a game name, looked up once and remembered.
  std::string locate(const GamePaths& dir, const std::string& name);
  // Looks the name up again (after the remembered path stopped working).
  std::string relocate(const GamePaths& dir, const std::string& name);

  // Reads the whole file. Returns the known contents when its bytes have not changed. On
  // failure returns nullptr and sets failure to the errno of the call that failed.
  Handle read(const std::string& path, int& failure);
  // The contents last read from or written to path; nullptr when none is known.
  Handle known(const std::string& path) const {
    auto found = files_.find(path);
    return found != files_.end() ? found->second : nullptr;
  }
  // Records what the program has just written to path.
  void wrote(const std::string& path, Handle contents);
  static Handle contentsOf(std::string bytes, const std::string* utf8);

  // The text of the contents (decoded on first use) and its lines (split on first use).
  static const std::optional<std::string>& text(Contents& contents);
  static const std::vector<std::string>& lines(Contents& contents);

  void notify(Access access, const std::string& path, std::size_t size) const {
    if (observer) observer(access, path, size);
  }
  Observer observer;

 private:
  static constexpr std::size_t kMaxFiles = 64;  // tests open many folders in one process
  int readInto(const std::string& path, std::size_t expected);

  std::map<std::string, std::string> locations_;
  std::map<std::string, Handle> files_;
  std::string scratch_;
  std::size_t scratchSize_ = 0;
};

}  // namespace velkaro
