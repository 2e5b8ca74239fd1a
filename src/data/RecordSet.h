#pragma once
// Reads a whole officer-format or faction-format file with the game's item reader and
// insists that every record 1..max is there and whole, before a caller replaces anything
// with it (a load, a new game). The game's own loaders accept short files; this does not.
#include <string>

namespace velkaro {

class RecordSet {
 public:
  enum class Kind { Officers, Factions };
  // A save slot must hold every record; an officer master may leave numbers out (those
  // officers are made up when a game starts).
  enum class Gaps { Refused, Allowed };

  // Longest name (in characters) the game stores; longer ones come only from broken data.
  static constexpr std::size_t kNameLimit = 20;

  // Throws DataError naming `file` and the record when a record is cut short, a number
  // item is no number, a name is longer than kNameLimit or (unless gaps are allowed) not all of
  // 1..max are present.
  static void check(const std::string& utf8, const std::string& file, Kind kind, int max, Gaps gaps = Gaps::Refused);

  // Characters (not bytes) of a UTF-8 text.
  static std::size_t characters(const std::string& utf8);
};

}  // namespace velkaro
