#include <gtest/gtest.h>

#include <algorithm>

#include "data/TextFile.h"
#include "resolution/BattleLog.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

MessageBuffer year(int y, int pages) {
  MessageBuffer b;
  b.setPage(0, "＝＝＝＝＝＝＝＝＝\r\n＝＝ 　" + std::to_string(y) + "年　＝＝\r\n＝＝＝＝＝＝＝＝＝\r\n");
  for (int i = 1; i < pages; ++i) {
    b.nextPage();
    b.append("第" + std::to_string(i) + "頁");
  }
  b.terminateAfterCurrent();
  return b;
}

std::vector<std::string> logLines(const TempGameDir& game) { return TextFile::readLines(game.dir(), "\\ini\\velkaro.log"); }

int countOf(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace

TEST(BattleLog, AHeadingOnlyLogReceivesTheYearAndOneTerminator) {
  TempGameDir game;
  game.writeText("ini/velkaro.log", "Velkaroの記録\n");
  BattleLog::mkLog(game.dir(), year(189, 1));
  EXPECT_EQ(game.readText("ini/velkaro.log"),
            "Velkaroの記録\r\n＝＝＝＝＝＝＝＝＝\r\n＝＝ 　189年　＝＝\r\n＝＝＝＝＝＝＝＝＝\r\n\r\nEOT=======\r\n");
  // The scratch copy holds the log as it was before the append.
  EXPECT_EQ(game.readText("ini/velkaro.img"), "Velkaroの記録\r\n");
}

TEST(BattleLog, EveryPassAddsItsYearAndTheTerminatorStaysLastAndAlone) {
  TempGameDir game;
  game.writeText("ini/velkaro.log", "Velkaroの記録\n");
  for (int y = 189; y < 194; ++y) BattleLog::mkLog(game.dir(), year(y, 2));
  const auto lines = logLines(game);
  EXPECT_EQ(countOf(lines, "EOT======="), 1);
  EXPECT_EQ(lines.back(), "EOT=======");
  int headings = 0;
  for (const auto& line : lines) headings += line.rfind("＝＝ 　", 0) == 0 ? 1 : 0;
  EXPECT_EQ(headings, 5);
  EXPECT_EQ(countOf(lines, "＝＝ 　193年　＝＝"), 1);
}

TEST(BattleLog, WhateverFollowsTheTerminatorIsDropped) {
  TempGameDir game;
  game.writeText("ini/velkaro.log", "Velkaroの記録\n古い年\nEOT=======\n他のプログラムの落書き\n");
  BattleLog::mkLog(game.dir(), year(190, 1));
  const auto lines = logLines(game);
  EXPECT_EQ(countOf(lines, "他のプログラムの落書き"), 0);
  EXPECT_EQ(lines[1], "古い年");
  EXPECT_EQ(lines.back(), "EOT=======");
}

TEST(BattleLog, FourPagesInUseAreWrittenExactly) {
  TempGameDir game;
  game.writeText("ini/velkaro.log", "Velkaroの記録\n");
  MessageBuffer b = year(191, 4);
  b.setPage(5, "使われていない頁");
  BattleLog::mkLog(game.dir(), b);
  const auto lines = logLines(game);
  EXPECT_EQ(countOf(lines, "第3頁"), 1);
  EXPECT_EQ(countOf(lines, "EOT"), 0);
  EXPECT_EQ(countOf(lines, "使われていない頁"), 0);
  EXPECT_EQ(lines[lines.size() - 2], "第3頁");
}

TEST(BattleLog, AMissingLogIsStartedAfresh) {
  TempGameDir game;
  BattleLog::mkLog(game.dir(), year(192, 1));
  const auto lines = logLines(game);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines.front(), "Velkaroの記録");
  EXPECT_EQ(countOf(lines, "＝＝ 　192年　＝＝"), 1);
  EXPECT_EQ(lines.back(), "EOT=======");
}

TEST(BattleLog, AYearThatFilledEveryPageIsLoggedWhole) {
  TempGameDir game;
  MessageBuffer b;
  for (int i = 0; i < 45; ++i) {
    b.append("頁" + std::to_string(i) + "\r\n");
    b.nextPage();
  }
  EXPECT_EQ(b.index(), 40);
  BattleLog::mkLog(game.dir(), b);
  const auto lines = logLines(game);
  // Pages 0..39 hold one line each; page 40 received everything from the 41st page on.
  EXPECT_EQ(countOf(lines, "頁39"), 1);
  EXPECT_EQ(countOf(lines, "頁44"), 1);
  EXPECT_EQ(lines.back(), "EOT=======");
}

TEST(BattleLog, CreditsAreOnePageAfterTwentyTwoLineBreaks) {
  MessageBuffer b;
  BattleLog::credit(b);
  std::string expected;
  for (int i = 0; i < 22; ++i) expected += "\r\n";
  expected += std::string(BattleLog::kCreditLines[0]) + "\r\n" + BattleLog::kCreditLines[1] + "\r\n\r\n" +
              BattleLog::kCreditLines[2] + "\r\n";
  EXPECT_EQ(b.page(0), expected);
  EXPECT_TRUE(b.isEot(1));
  EXPECT_EQ(b.pagesInUse(), 1);
}
