#pragma once
// Conversion between the files' code page 932 and the program's UTF-8, by the game's own tables
// (the same on every platform).
#include <optional>
#include <string>

namespace velkaro {

class Codec {
 public:
  // CP932 bytes to UTF-8; nullopt when the bytes are not valid CP932.
  static std::optional<std::string> toUtf8(const std::string& cp932);
  // UTF-8 to CP932 bytes; nullopt when some character has no CP932 form,
  // which is then put into *offending (as UTF-8) when given.
  static std::optional<std::string> toCp932(const std::string& utf8, std::string* offending = nullptr);
  // The first character of the text that CP932 cannot hold, or empty when all can be held.
  static std::string firstUnencodable(const std::string& utf8);
};

}  // namespace velkaro
