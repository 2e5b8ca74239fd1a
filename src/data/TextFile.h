#pragma once
// Whole-file access to the game's CP932 / CR LF text files, with UTF-8 inside the program.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/GamePaths.h"

namespace velkaro {

inline constexpr const char* kCrLf = "\r\n";

// How a write may leave the file after a crash. crashSafe (temporary file, flush, rename) is for
// what a player keeps: save slots, the masters the editors write, comment edits: old or new even
// after a power cut. killSafe is for the running-game files in ini/, which the title screen
// rebuilds at every start and which are continued only through a save slot: old or new whatever
// moment the process dies at, but not flushed, so a power cut may lose the last writes.
enum class Durability { crashSafe, killSafe };

class TextFile {
 public:
  // The file's text in UTF-8 (line ends kept as they are). Throws DataError when the file
  // is missing, unreadable or not valid CP932.
  static std::string read(const GamePaths& dir, const std::string& name);
  // The file's lines in UTF-8, without their line ends.
  static std::vector<std::string> readLines(const GamePaths& dir, const std::string& name);
  // The same lines without a copy; they stay valid while the pointer is held.
  static std::shared_ptr<const std::vector<std::string>> sharedLines(const GamePaths& dir, const std::string& name);
  // What `parse` makes of the file's UTF-8 text. The form is kept with the file's contents and
  // handed out again while the bytes stay the same, so a file read many times over is parsed once
  // per content; `kind` tells the forms of different readers apart (the address of a constant of
  // the reader's own). Throws DataError like read(); `parse` itself should record problems in
  // its form rather than throw.
  template <typename Form>
  static std::shared_ptr<const Form> parsed(const GamePaths& dir, const std::string& name, const void* kind,
                                            const std::function<std::shared_ptr<const Form>(const std::string&)>& parse) {
    return std::static_pointer_cast<const Form>(
        parsedForm(dir, name, kind, [&](const std::string& utf8) -> std::shared_ptr<const void> { return parse(utf8); }));
  }
  // Replaces the file with the UTF-8 text converted to CP932. Throws DataError when a character
  // has no CP932 form (the file is then untouched) or writing fails (a crash-safe write then
  // leaves the old file untouched too).
  static void write(const GamePaths& dir, const std::string& name, const std::string& utf8,
                    Durability durability = Durability::crashSafe);
  // The lines joined with CR LF after each one.
  static std::string joinLines(const std::vector<std::string>& lines);
  // Rewrites a running-game file (kill-safe, as write() does) and leaves the bytes it held until
  // now in `oldCopy`, as a copy taken just before the write would. Where names can be swapped,
  // the old file itself becomes the copy, and no byte is written twice. When the text cannot be
  // stored or the write fails, the copy is still taken and the error thrown.
  static void writeKeepingOld(const GamePaths& dir, const std::string& name, const std::string& utf8,
                              const std::string& oldCopy);
  // Raw bytes, for whole-file copies.
  static std::string readBytes(const GamePaths& dir, const std::string& name);
  static void writeBytes(const GamePaths& dir, const std::string& name, const std::string& bytes,
                         Durability durability = Durability::crashSafe);
  // Byte-for-byte copy replacing the target.
  static void copy(const GamePaths& dir, const std::string& from, const std::string& to,
                   Durability durability = Durability::crashSafe);
  // Splits text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
  static std::vector<std::string> splitLines(const std::string& text);
  // Splits raw bytes into lines that keep their own line ends, so that untouched lines can be
  // written back byte for byte (CP932 never uses CR or LF inside a character).
  static std::vector<std::string> rawLines(const std::string& bytes);
  static std::string withoutLineEnd(const std::string& line);

 private:
  static std::shared_ptr<const void> parsedForm(const GamePaths& dir, const std::string& name, const void* kind,
                                                const std::function<std::shared_ptr<const void>(const std::string&)>& parse);
};

}  // namespace velkaro
