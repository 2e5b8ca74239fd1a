#include <gtest/gtest.h>

#include "resolution/ResolutionPager.h"
#include "game/GameScreens.h"
#include "support/ResolutionTable.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

const char* kHeading190 = "＝＝＝＝＝＝＝＝＝\r\n＝＝ 　190年　＝＝\r\n＝＝＝＝＝＝＝＝＝\r\n";

// A screen whose buffer holds `pages` pages, shown from the first.
void fill(ResolutionScreen& msg, int pages) {
  msg.init_rtn();
  for (int i = 1; i < pages; ++i) {
    msg.board().nextPage();
    msg.board().append("頁" + std::to_string(i));
  }
  msg.board().pages.terminateAfterCurrent();
  msg.dsp_Cmd_rtn();
  msg.board().pages.setIndex(0);
  msg.dsp_Text_rtn();
  msg.resetEnable();
}

}  // namespace

TEST(MsgScreen, ReportModesShowTheSharedTextAsOnePageWithCloseEnabledAtOnce) {
  for (int mode : {2, 3, 7}) {
    ResolutionTable t;
    t.ctx.runMode = static_cast<int16>(mode);
    t.ctx.sharedText = "年末の報告";
    t.msg.Form_Load();
    EXPECT_EQ(t.msg.Label1.caption, "年末の報告");
    EXPECT_EQ(t.msg.pageCount(), 1);
    EXPECT_TRUE(t.msg.Command1[0].enabled);
    EXPECT_FALSE(t.msg.Command1[1].enabled);
    EXPECT_FALSE(t.msg.Command1[2].enabled);
    EXPECT_FALSE(t.msg.Command1[3].enabled);
    EXPECT_FALSE(t.msg.Lbl_Caution.visible);
    EXPECT_FALSE(t.msg.timers[0].enabled);
  }
}

TEST(MsgScreen, PagingButtonsFollowTheTerminator) {
  ResolutionTable t;
  fill(t.msg, 4);
  EXPECT_EQ(t.msg.pageCount(), 4);
  EXPECT_FALSE(t.msg.Command1[1].enabled);
  EXPECT_TRUE(t.msg.Command1[2].enabled);
  t.msg.Command1_Click(2);
  EXPECT_EQ(t.msg.currentPage(), 1);
  EXPECT_EQ(t.msg.Label1.caption, "頁1");
  EXPECT_TRUE(t.msg.Command1[1].enabled);
  t.msg.Command1_Click(3);
  EXPECT_EQ(t.msg.currentPage(), 3);
  EXPECT_FALSE(t.msg.Command1[2].enabled);
  EXPECT_FALSE(t.msg.Command1[3].enabled);
  t.msg.Command1_Click(2);  // disabled: nothing moves past the last page
  EXPECT_EQ(t.msg.currentPage(), 3);
  t.msg.Command1_Click(1);
  EXPECT_EQ(t.msg.currentPage(), 2);
}

TEST(MsgScreen, ATemplatePageBreakMovesLaterTextToTheNextPage) {
  ResolutionTable t;
  t.game.writeText("ini/Text.ini", ".5\n前半\n/\n後半\n.\n..\n.6\n続き\n..\n");
  t.msg.init_rtn();
  t.board.textStep(5);
  t.board.textStep(6);
  t.board.pages.terminateAfterCurrent();
  EXPECT_EQ(t.msg.pageText(0), std::string(kHeading190) + "前半");
  EXPECT_EQ(t.msg.pageText(1), "後半\r\n\r\n続き\r\n");
  EXPECT_EQ(t.msg.pageCount(), 2);
}

TEST(MsgScreen, AYearNeedingMorePagesKeepsWritingOnTheLastPageWhichStaysReachable) {
  ResolutionTable t;
  t.msg.init_rtn();
  for (int i = 1; i <= 45; ++i) {
    t.board.nextPage();
    t.board.append("頁" + std::to_string(i));
  }
  EXPECT_EQ(t.board.pages.index(), 40);
  t.board.pages.terminateAfterCurrent();
  EXPECT_EQ(t.msg.pageText(40), "頁40頁41頁42頁43頁44頁45");
  t.msg.dsp_Cmd_rtn();
  t.board.pages.setIndex(0);
  t.msg.dsp_Text_rtn();
  t.msg.resetEnable();
  t.msg.Command1_Click(3);
  EXPECT_EQ(t.msg.currentPage(), 40);
  EXPECT_EQ(t.msg.Label1.caption, "頁40頁41頁42頁43頁44頁45");
  EXPECT_FALSE(t.msg.Command1[2].enabled);
  EXPECT_EQ(t.msg.pageCount(), 41);
}

TEST(MsgScreen, TextHeightFollowsTheTextOrTheOpenersRequest) {
  ResolutionTable t;
  t.ctx.runMode = 2;
  t.ctx.sharedText = std::string(1000, 'a');
  t.msg.Form_Load();
  EXPECT_EQ(t.msg.Label1Area.height, 12000);
  EXPECT_EQ(t.msg.VScroll1.max, t.msg.Picture2.height - 12000);

  ResolutionTable shortText;
  shortText.ctx.runMode = 2;
  shortText.ctx.sharedText = "短い";
  shortText.msg.Form_Load();
  EXPECT_EQ(shortText.msg.Label1Area.height, shortText.msg.Picture2.height);
  EXPECT_EQ(shortText.msg.VScroll1.max, 0);

  // Characters count, not bytes: 2000 kanji get the fixed height.
  ResolutionTable longText;
  longText.ctx.runMode = 3;
  std::string kanji;
  for (int i = 0; i < 2000; ++i) kanji += "字";
  longText.ctx.sharedText = kanji;
  longText.msg.Form_Load();
  EXPECT_EQ(longText.msg.Label1Area.height, 30400);

  ResolutionTable asked;
  asked.ctx.runMode = 3;
  asked.msg.parmTextHeight = 9960;
  asked.msg.Form_Load();
  EXPECT_EQ(asked.msg.Label1Area.height, 9960);
  asked.msg.Command1_Click(0);
  EXPECT_EQ(asked.msg.parmTextHeight, 0);
  EXPECT_EQ(asked.ctx.confirmResult, 1);
  EXPECT_TRUE(asked.msg.closed);
}

TEST(MsgScreen, CreditsArePagedByTheTimerAndCloseWaitsForTheLastPage) {
  ResolutionTable t;
  t.ctx.runMode = 0;
  t.msg.Form_Load();
  EXPECT_EQ(t.msg.timers[0].interval, 3200);
  EXPECT_TRUE(t.msg.timers[0].enabled);
  // The credits are a single page, so "閉" is enabled as soon as it is shown.
  EXPECT_TRUE(t.msg.Command1[0].enabled);
  std::string breaks;
  for (int i = 0; i < 22; ++i) breaks += "\r\n";
  EXPECT_EQ(t.msg.Label1.caption.substr(0, breaks.size()), breaks);

  // A longer credits buffer: "閉" stays disabled until the timer reaches the last page.
  t.board.pages.setPage(1, "続き");
  t.board.pages.setPage(2, "最後");
  t.board.pages.setPage(3, MessageBuffer::kTerminator);
  t.msg.Command1[0].enabled = false;
  t.msg.Command1_Click(0);
  EXPECT_FALSE(t.msg.closed);
  EXPECT_FALSE(t.msg.Form_QueryUnload());
  t.msg.Timer1_Timer();
  EXPECT_EQ(t.msg.currentPage(), 1);
  EXPECT_FALSE(t.msg.Command1[0].enabled);
  t.msg.Timer1_Timer();
  EXPECT_EQ(t.msg.currentPage(), 2);
  EXPECT_TRUE(t.msg.Command1[0].enabled);
  t.msg.Timer1_Timer();
  EXPECT_EQ(t.msg.currentPage(), 2);
  t.msg.Command1_Click(0);
  EXPECT_TRUE(t.msg.closed);
  EXPECT_FALSE(t.msg.timers[0].enabled);
}

TEST(MsgScreen, TheTimerPagesOnlyTheCredits) {
  ResolutionTable t;
  fill(t.msg, 3);
  t.ctx.runMode = 2;
  t.msg.Timer1_Timer();
  EXPECT_EQ(t.msg.currentPage(), 0);
}

TEST(MsgScreen, TheFactoryMakesItAndAScriptedFrontEndPagesItToTheEnd) {
  ResolutionTable t;
  t.ctx.runMode = 3;
  t.ctx.sharedText = "報告";
  auto screen = GameScreens::all().make(ScreenKind::ResolutionScreen, t.ctx, t.ui);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->screenName(), "ResolutionScreen");
  std::vector<std::string> read;
  t.ui.onShow("ResolutionScreen", ResolutionPager::handler([&](ResolutionScreen&, const std::vector<std::string>& pages) { read = pages; }));
  t.ui.showModal(*screen);
  EXPECT_EQ(read, std::vector<std::string>{"報告"});
  EXPECT_TRUE(screen->closed);
  EXPECT_EQ(t.ctx.confirmResult, 1);
}
