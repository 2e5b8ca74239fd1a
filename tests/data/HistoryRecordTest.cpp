#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "data/Codec.h"
#include "data/DataError.h"
#include "data/HistoryRecord.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;
using Row = HistoryRecord::Row;

namespace {

std::vector<Row> yearOf(int year, std::initializer_list<Row> rows) {
  std::vector<Row> out(rows);
  for (Row& r : out) r.year = year;
  return out;
}

const Row kCao{0, 1, "曹操", 135, 80, 231.3333, true};
const Row kLiu{0, 2, "劉備", 20, 95, 211.667, false};
const Row kYuan{0, 3, "袁紹", 0, -4, 0, false};

}  // namespace

TEST(HistoryRecord, IsWrittenAsCp932WithCrLfAndReadsBackRowForRow) {
  TempGameDir game;
  HistoryRecord::putYear(game.dir(), 189, yearOf(189, {kCao, kLiu, kYuan}), true);
  const std::string bytes = game.readBytes("ini/suiisv.ini");
  const std::string expected = "勢力推移\r\n189,1,\"曹操\",135,80,231.333,1\r\n189,2,\"劉備\",20,95,211.667,0\r\n"
                               "189,3,\"袁紹\",0,-4,0,0\r\n";
  EXPECT_EQ(bytes, *Codec::toCp932(expected));
  const auto rows = HistoryRecord::read(game.dir());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].name, "曹操");
  EXPECT_TRUE(rows[0].player);
  EXPECT_DOUBLE_EQ(rows[0].score, 231.333);
  EXPECT_EQ(rows[1], (Row{189, 2, "劉備", 20, 95, 211.667, false}));
  EXPECT_EQ(rows[2].fame, -4);
  // A double quote in a name would cut the name short; it is kept as the full-width one.
  Row quoted = kLiu;
  quoted.name = "劉\"備,";
  HistoryRecord::putYear(game.dir(), 190, yearOf(190, {quoted}), false);
  EXPECT_EQ(HistoryRecord::read(game.dir()).back().name, "劉”備,");
}

TEST(HistoryRecord, EachYearIsAppendedAndAYearPlayedAgainReplacesItsRowsAndTheLaterOnes) {
  TempGameDir game;
  HistoryRecord::putYear(game.dir(), 189, yearOf(189, {kCao, kLiu, kYuan}), true);
  HistoryRecord::putYear(game.dir(), 190, yearOf(190, {kCao, kLiu}), false);  // 袁紹 has fallen
  HistoryRecord::putYear(game.dir(), 191, yearOf(191, {kCao, kLiu}), false);
  ASSERT_EQ(HistoryRecord::read(game.dir()).size(), 7u);
  // A game loaded at 190 records 190 again, differently.
  Row changed = kLiu;
  changed.troops = 99;
  HistoryRecord::putYear(game.dir(), 190, yearOf(190, {kCao, changed}), false);
  const auto rows = HistoryRecord::read(game.dir());
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows.back().year, 190);
  EXPECT_EQ(rows.back().troops, 99);
  // A new game starts afresh.
  HistoryRecord::putYear(game.dir(), 195, yearOf(195, {kLiu}), true);
  ASSERT_EQ(HistoryRecord::read(game.dir()).size(), 1u);
}

TEST(HistoryRecord, AMissingRecordIsEmptyAndABrokenOneIsRefusedNamingFileAndLine) {
  TempGameDir game;
  EXPECT_TRUE(HistoryRecord::read(game.dir()).empty());
  struct Case {
    const char* text;
    const char* where;
  };
  const Case cases[] = {
      {"推移\n189,1,\"曹操\",1,2,3,0\n", "1行目"},
      {"勢力推移\n189,1,\"曹操\",1,2,3\n", "2行目"},            // an item short
      {"勢力推移\n189,1,\"曹操\",1,2,3,0,9\n", "2行目"},        // an item over
      {"勢力推移\n189,1,\"曹操\",1,2,3,0\n189,2,\"劉備\",x,2,3,0\n", "3行目"},
      {"勢力推移\n189,1,\"曹操\",1,2,3,2\n", "2行目"},          // the player flag is 0 or 1
      {"勢力推移\n189,0,\"某国\",1,2,3,0\n", "2行目"},          // no faction 0
      {"勢力推移\n189,1,\"曹操\",1.5,2,3,0\n", "2行目"},        // troops are whole
      {"勢力推移\n190,1,\"曹操\",1,2,3,0\n189,1,\"曹操\",1,2,3,0\n", "3行目"},  // years go forward
  };
  for (const Case& c : cases) {
    game.writeText("ini/suiisv.ini", c.text);
    try {
      HistoryRecord::read(game.dir());
      ADD_FAILURE() << c.text;
    } catch (const DataError& e) {
      EXPECT_NE(std::string(e.what()).find("\\ini\\suiisv.ini"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.where), std::string::npos) << e.what();
    }
  }
  game.writeBytes("ini/suiisv.ini", "\x81");  // half a character
  EXPECT_THROW(HistoryRecord::read(game.dir()), DataError);
  // The next year starts a broken record afresh instead of stopping the game.
  EXPECT_NO_THROW(HistoryRecord::putYear(game.dir(), 190, yearOf(190, {kCao}), false));
  ASSERT_EQ(HistoryRecord::read(game.dir()).size(), 1u);
  // Blank lines are no rows.
  game.writeText("ini/suiisv.ini", "勢力推移\n\n189,1,\"曹操\",1,2,3,0\n  \n");
  EXPECT_EQ(HistoryRecord::read(game.dir()).size(), 1u);
}

TEST(HistoryRecord, ScoresKeepThreeDecimalsWithoutTrailingZeros) {
  EXPECT_EQ(HistoryRecord::scoreText(212.5), "212.5");
  EXPECT_EQ(HistoryRecord::scoreText(33.333333), "33.333");
  EXPECT_EQ(HistoryRecord::scoreText(1e7 + 0.25), "10000000.25");  // never an exponent
  EXPECT_EQ(HistoryRecord::scoreText(-0.0001), "0");
  EXPECT_EQ(HistoryRecord::scoreText(-2.5), "-2.5");
  // A huge score from a hand-edited record is written whole, so it reads back as itself.
  const double huge = 1.8888888888888889e73;
  const std::string written = HistoryRecord::scoreText(huge);
  EXPECT_EQ(written.size(), 74u);
  const auto rows = HistoryRecord::parse(std::string(HistoryRecord::kHeading) + "\r\n189,1,\"甲\",1,2," + written + ",0\r\n", "suiisv");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].score, huge);
}

// The record's scores are rounded as printf's "%.3f" rounds them, exact halves to even
// included, whatever way the digits are made.
TEST(HistoryRecord, ScoresRoundAsPrintfDoes) {
  const auto printfText = [](double score) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.3f", score);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? std::string("0") : text;
  };
  EXPECT_EQ(HistoryRecord::scoreText(0.0625), "0.062");  // an exact half: to even
  EXPECT_EQ(HistoryRecord::scoreText(0.1875), "0.188");
  EXPECT_EQ(HistoryRecord::scoreText(-0.0625), "-0.062");
  std::vector<double> scores;
  for (int k = -4096; k <= 4096; ++k) scores.push_back(k / 2048.0);  // every exact half of the third decimal
  for (int k = 0; k < 20000; ++k) scores.push_back(static_cast<float>(k) * 0.01f + 0.005f);  // float scores
  std::uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int k = 0; k < 20000; ++k) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    scores.push_back(static_cast<double>(bits >> 11) / 4096.0 * ((k & 1) != 0 ? 1 : -1) / std::pow(10.0, k % 12));
  }
  int differing = 0;
  for (double score : scores) {
    if (HistoryRecord::scoreText(score) != printfText(score) && ++differing <= 5) {
      ADD_FAILURE() << "score " << score << ": " << HistoryRecord::scoreText(score) << " against " << printfText(score);
    }
  }
  EXPECT_EQ(differing, 0);
}
