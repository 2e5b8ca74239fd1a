#pragma once
// What the program last read or wrote of each game file: its bytes with their UTF-8 text and
// lines, so that a file whose bytes have not changed is decoded and split only once.
//
// While the game computes, nobody else writes its files, so what this cache read or wrote since
// the game last waited is served without asking the disk again, and a rewrite of the very bytes
// the file holds is not made. Whenever something outside may have touched the files (the front
// end waits for the player, a save or load moves files around, a test edits one), lookAgain()
// ends that trust: the next read of each file reads it from disk and compares the bytes, so a
// change made from outside is seen. The game runs on one thread.
#include <cstddef>
#include <cstdint>
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

  // The whole file: what this cache has read or written of it since lookAgain(), or else the
  // bytes on disk (the known contents when they have not changed). On failure returns nullptr
  // and sets failure to the errno of the call that failed.
  Handle read(const std::string& path, int& failure);
  // The contents last read from or written to path; nullptr when none is known.
  Handle known(const std::string& path) const {
    auto found = files_.find(path);
    return found != files_.end() ? found->second.contents : nullptr;
  }
  // True when this cache has read or written path since lookAgain(): the file is there.
  bool trusted(const std::string& path) const { return trustedContents(path) != nullptr; }
  // True when path holds exactly these bytes by what this cache has seen since lookAgain().
  bool holds(const std::string& path, const std::string& bytes) const {
    const Contents* contents = trustedContents(path);
    return contents != nullptr && contents->bytes == bytes;
  }
  // Records what the program has just written to path.
  void wrote(const std::string& path, Handle contents);
  // Something outside this cache may have changed the files: every next read asks the disk.
  void lookAgain() { ++window_; }
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
  // What path holds by what this cache has seen since lookAgain(); nullptr when it must look.
  const Contents* trustedContents(const std::string& path) const;

  std::map<std::string, std::string> locations_;
  struct Entry {
    Handle contents;
    std::uint64_t seenIn = 0;  // the window in which the disk was last known to hold them
  };
  std::map<std::string, Entry> files_;
  std::uint64_t window_ = 1;
  std::string scratch_;
  std::size_t scratchSize_ = 0;
};

}  // namespace velkaro
