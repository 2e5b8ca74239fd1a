#pragma once
// Whole-file access to the game's CP932 / CR LF text files, with UTF-8 inside the program.
#include <string>
#include <vector>

#include "data/GameDir.h"

namespace velkaro {

inline constexpr const char* kCrLf = "\r\n";

class TextFile {
 public:
  // The file's text in UTF-8 (line ends kept as they are). Throws DataError when the file
  // is missing, unreadable or not valid CP932.
  static std::string read(const GameDir& dir, const std::string& name);
  // The file's lines in UTF-8, without their line ends.
  static std::vector<std::string> readLines(const GameDir& dir, const std::string& name);
  // Replaces the file crash-safely with the UTF-8 text converted to CP932. Throws DataError
  // (and leaves the old file untouched) when a character has no CP932 form or writing fails.
  static void write(const GameDir& dir, const std::string& name, const std::string& utf8);
  // The lines joined with CR LF after each one.
  static std::string joinLines(const std::vector<std::string>& lines);
  // Raw bytes, for whole-file copies.
  static std::string readBytes(const GameDir& dir, const std::string& name);
  static void writeBytes(const GameDir& dir, const std::string& name, const std::string& bytes);
  // Byte-for-byte copy replacing the target (crash-safe).
  static void copy(const GameDir& dir, const std::string& from, const std::string& to);
  // Splits text into lines at CR LF, LF or a lone CR; a final line end adds no empty line.
  static std::vector<std::string> splitLines(const std::string& text);
  // Splits raw bytes into lines that keep their own line ends, so that untouched lines can be
  // written back byte for byte (CP932 never uses CR or LF inside a character).
  static std::vector<std::string> rawLines(const std::string& bytes);
  static std::string withoutLineEnd(const std::string& line);
};

}  // namespace velkaro
