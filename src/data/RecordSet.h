#pragma once
// Reads a whole officer-format or faction-format file with the game's item reader and
// insists that every record 1..max is there and whole, before a caller replaces anything
// with it (a load, a new game). The game's own loaders accept short files; this does not.
#include <optional>
#include <string>

namespace velkaro {

class RecordSet {
 public:
  enum class Kind { Officers, Factions };

  // Longest name (in characters) the game stores; longer ones come only from broken data.
  static constexpr std::size_t kNameLimit = 20;

  // The ranges a game in play keeps every value of a record in. A saved game is held to them;
  // masters are not (velkaro-check reports theirs).
  struct InPlay {
    int officerMax;  // the highest officer id a ruler, alliance leader or lord may name
  };

  // Throws DataError naming `file` and the record when a record is cut short, a number
  // item is no number, a name is longer than kNameLimit, or, with `requireAll`, not all of
  // 1..max are present (without it, at least one record must be). Masters may leave records
  // out (those officers are generated); a saved game may not. With `inPlay`, a value outside
  // its range and a destroyed flag the game never writes are refused as well.
  static void check(const std::string& utf8, const std::string& file, Kind kind, int max, bool requireAll = true,
                    std::optional<InPlay> inPlay = std::nullopt);

  // Characters (not bytes) of a UTF-8 text.
  static std::size_t characters(const std::string& utf8);
};

}  // namespace velkaro
