#pragma once
// The record of every standing faction's figures year by year ("\ini\suiisv.ini"), which the
// history charts draw. The game only adds to it; nothing in the game reads it back, so a record
// that is missing, cut or broken never stops a game: the charts say so, and the next year starts
// a fresh record.
//
// The file: the heading line 「勢力推移」, then one line per standing faction per year, in year
// order and faction order within a year:
//   year,faction id,"name",troops,fame,score,player
// troops = army + elite troops in thousands, score = the year-end report's score (at most three
// decimals), player = 1 when a human player leads the faction that year, else 0.
#include <string>
#include <vector>

#include "data/GamePaths.h"
#include "data/Numbers.h"

namespace velkaro {

class HistoryRecord {
 public:
  struct Row {
    int year = 0;
    int faction = 0;
    std::string name;
    long long troops = 0;
    int fame = 0;
    double score = 0;
    bool player = false;
    bool operator==(const Row&) const = default;
  };

  static constexpr const char* kHeading = "勢力推移";

  // The rows of the running game's record; a missing file is an empty record. Throws DataError
  // naming the file when it cannot be read or a line is not a row.
  static std::vector<Row> read(const GamePaths& dir);
  // The rows of a record's UTF-8 text; `file` names it in the error.
  static std::vector<Row> parse(const std::string& utf8, const std::string& file);
  // The record's UTF-8 text (CR LF line ends).
  static std::string text(const std::vector<Row>& rows);

  // Puts the year's rows into the running game's record: rows of this year and later go first,
  // so a year played again after a load is recorded once. A record that cannot be read is
  // started afresh. `fresh` starts a new game's record. A failed write is ignored: the record is
  // a view of the game, and the game goes on without it.
  static void putYear(const GamePaths& dir, int year, const std::vector<Row>& rows, bool fresh);

  // A score as the record writes it: at most three decimals, no trailing zeros.
  static std::string scoreText(double score);
};

}  // namespace velkaro
