#pragma once
// The stamp that ties a slot's files together: the name, size and checksum of each file the
// save wrote, kept beside them in "\save\stampN.ini". A file that does not match its line came
// from another save (copied in by hand, or left by an older program), so the slot is refused.
// Slots saved before stamps existed have none and are judged by their contents alone.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velkaro {

class SlotStamp {
 public:
  using File = std::pair<std::string, std::string>;  // game name, raw bytes

  // The stamp text (UTF-8, CR LF) for these files.
  static std::string text(const std::vector<File>& files);
  // The first file that does not match the stamp (or is missing from it); nullopt when every
  // file matches. An unreadable stamp names the stamp itself, `stampName`.
  static std::optional<std::string> mismatch(const std::string& stampUtf8, const std::string& stampName,
                                             const std::vector<File>& files);

  // FNV-1a, 64 bits, as 16 hexadecimal digits.
  static std::string checksum(const std::string& bytes);
};

}  // namespace velkaro
