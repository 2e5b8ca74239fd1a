#pragma once
// Reads a whole officer-format or faction-format file with the game's item reader and
// insists that every record 1..max is there and whole, before a caller replaces anything
// with it (a load, a new game). The game's own loaders accept short files; this does not.
#include <string>

namespace velkaro {

class RecordSet {
 public:
  enum class Kind { Officers, Factions };

  // Longest name (in characters) the game stores; longer ones come only from broken data.
  static constexpr std::size_t kNameLimit = 20;

  // Throws DataError naming `file` and the record when a record is cut short, a number
  // item is no number, a name is longer than kNameLimit, or, with `requireAll`, not all of
  // 1..max are present (without it, at least one record must be). Masters may leave records
  // out (those officers are generated); a saved game may not.
  static void check(const std::string& utf8, const std::string& file, Kind kind, int max, bool requireAll = true);

  // Characters (not bytes) of a UTF-8 text.
  static std::size_t characters(const std::string& utf8);
};

}  // namespace velkaro
