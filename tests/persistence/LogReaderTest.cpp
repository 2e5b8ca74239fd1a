#include <gtest/gtest.h>

#include "support/GameUi.h"
#include "persistence/LogReader.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

// One year as the resolution screen logs it: three heading lines, then the narration.
std::string year(int y, int lines) {
  std::string text = "＝＝＝＝＝＝＝＝\n＝　" + std::to_string(y) + "年　＝\n＝＝＝＝＝＝＝＝\n";
  for (int i = 1; i <= lines; ++i) text += std::to_string(y) + "年の出来事" + std::to_string(i) + "\n";
  return text;
}

struct LogFixture : ::testing::Test {
  LogFixture() : ctx(game.dir()) {}
  LogReader& open(const std::string& log) {
    game.writeText("ini/velkaro.log", log);
    reader = std::make_unique<LogReader>(ctx, ui);
    reader->Form_Load();
    return *reader;
  }
  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
  std::unique_ptr<LogReader> reader;
};

}  // namespace

TEST_F(LogFixture, ThreeYearsMakeThreePagesAndTheButtonsFollow) {
  LogReader& r = open("Velkaroの記録\n" + year(189, 2) + year(190, 1) + year(191, 3) + "EOT=======\n");
  EXPECT_EQ(r.caption, "Velkaro・Ostrel");
  EXPECT_FALSE(r.Lbl_Caution.visible);
  EXPECT_EQ(r.dspMsg.caption, "Velkaroの記録\r\n＝＝＝＝＝＝＝＝\r\n＝　189年　＝\r\n＝＝＝＝＝＝＝＝\r\n189年の出来事1\r\n189年の出来事2\r\n");
  EXPECT_EQ(r.lineCount(0), 6);
  EXPECT_EQ(r.pageText(1).rfind("＝＝＝＝＝＝＝＝\r\n＝　190年", 0), 0u);
  EXPECT_EQ(r.lineCount(2), 6);
  EXPECT_TRUE(r.pageText(3).empty()) << "EOT is not stored";
  EXPECT_FALSE(r.Command1[1].enabled);
  EXPECT_TRUE(r.Command1[2].enabled);
  EXPECT_TRUE(r.Command1[3].enabled);

  r.Command1_Click(2);
  r.Command1_Click(2);
  EXPECT_EQ(r.currentPage(), 2);
  EXPECT_NE(r.dspMsg.caption.find("191年の出来事3"), std::string::npos);
  EXPECT_TRUE(r.Command1[1].enabled);
  EXPECT_FALSE(r.Command1[2].enabled) << "no fourth page";
  EXPECT_FALSE(r.Command1[3].enabled);
  r.Command1_Click(1);
  EXPECT_EQ(r.currentPage(), 1);
  r.Command1_Click(1);
  r.Command1_Click(1);
  EXPECT_EQ(r.currentPage(), 0) << "never before the first page";
}

TEST_F(LogFixture, TextHeightFollowsTheLineCount) {
  LogReader& r = open(year(189, 197) + year(190, 2) + "EOT=======\n");
  EXPECT_EQ(r.Picture2Top, 50);
  EXPECT_EQ(r.Picture2Height, LogReader::kFrameHeight - 100);
  EXPECT_EQ(r.VScroll1.largeChange, r.Picture2Height);
  EXPECT_EQ(r.VScroll1.smallChange, 100);
  EXPECT_EQ(r.lineCount(0), 200);
  EXPECT_EQ(r.dspMsgHeight, 30400) << "160 lines' worth above 159 lines";
  EXPECT_EQ(r.VScroll1.max, r.Picture2Height - 30400);
  r.VScroll1.value = -1000;
  r.VScroll1_Change();
  EXPECT_EQ(r.dspMsgTop, -1000);

  r.Command1_Click(2);  // five lines: the viewport height, nothing to scroll
  EXPECT_EQ(r.dspMsgHeight, r.Picture2Height);
  EXPECT_EQ(r.VScroll1.max, 0);
  EXPECT_EQ(r.VScroll1.value, 0) << "a kept position outside the new range is pulled in";
  EXPECT_EQ(r.dspMsgTop, 0);
}

TEST_F(LogFixture, MidSizedPageIs190UnitsALine) {
  // 40 lines: 7600 units, more than the viewport.
  LogReader& r = open(year(200, 37));
  EXPECT_EQ(r.dspMsgHeight, 40 * 190);
  EXPECT_EQ(r.VScroll1.max, r.Picture2Height - 7600);
}

TEST_F(LogFixture, LastPageAndTextAfterEot) {
  std::string log;
  for (int y = 189; y <= 194; ++y) log += year(y, 1);
  LogReader& r = open(log + "EOT=======\n" + year(195, 1) + "後から書かれた行\n");
  r.Command1_Click(3);
  EXPECT_EQ(r.currentPage(), 5);
  EXPECT_NE(r.dspMsg.caption.find("194年"), std::string::npos);
  for (int p = 0; p < LogReader::kPages; ++p) {
    EXPECT_EQ(r.pageText(p).find("後から"), std::string::npos) << p;
  }
  EXPECT_FALSE(r.Command1[2].enabled);
}

TEST_F(LogFixture, LongLogStopsAtTheLastPageOfTheTable) {
  std::string log;
  for (int y = 0; y < 50; ++y) log += year(150 + y, 1);
  LogReader& r = open(log);
  EXPECT_NE(r.pageText(40).find("190年"), std::string::npos);
  r.Command1_Click(3);
  EXPECT_EQ(r.currentPage(), 39) << "no empty page among 0..39";
  EXPECT_TRUE(r.Command1[2].enabled);
  r.Command1_Click(2);
  EXPECT_EQ(r.currentPage(), 39) << "page 40 cannot be reached";
}

TEST_F(LogFixture, MissingLogShowsAnEmptyPage) {
  LogReader r(ctx, ui);
  r.Form_Load();
  EXPECT_EQ(r.dspMsg.caption, "");
  EXPECT_FALSE(r.Command1[1].enabled);
  EXPECT_FALSE(r.Command1[2].enabled);
  r.Command1_Click(3);
  EXPECT_EQ(r.currentPage(), 0);
  r.Command1_Click(0);
  EXPECT_TRUE(r.closed);
  EXPECT_EQ(ctx.confirmResult, 1);
}
