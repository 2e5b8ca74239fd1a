#include <gtest/gtest.h>

#include <fstream>

#include "data/GameContext.h"
#include "data/TextFile.h"
#include "game/GameScreens.h"
#include "support/SyntheticData.h"
#include "ui/ScreenKind.h"
#include "web/Json.h"
#include "web/WebUi.h"
#include "web/views/WebViews.h"
#include "webui/FakePage.h"

using namespace velkaro;
using velkaro::test::FakePage;
using velkaro::test::ScriptEnded;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A game directory with the synthetic data and the browser Ui over a fake page.
struct WebGame {
  WebGame() : ui(page), ctx(game.dir()) {
    SyntheticData::install(game);
    ctx.rng.fixSeed(3);
    web::registerWebViews(ui);
    ui.setScreenMaker(GameScreens::all());
  }
  // Opens the title screen and plays the page's script until it ends.
  void play() {
    ui.showModeless(ui.makeScreen(ScreenKind::TitleScreen, ctx));
    EXPECT_THROW(ui.run(), ScriptEnded);
  }

  TempGameDir game;
  FakePage page;
  web::WebUi ui;
  GameContext ctx;
};

}  // namespace

TEST(WebUiTest, MessageBoxesOfferTheSafeAnswerFirstAndMapTheButtonsBack) {
  FakePage page;
  web::WebUi ui(page);
  page.answers = {1, 0, 1, 0, 0};
  EXPECT_EQ(ui.msgBox("終了しますか？", MsgStyle::YesNo), MsgResult::No);
  EXPECT_EQ(ui.msgBox("終了しますか？", MsgStyle::YesNo), MsgResult::Yes);
  EXPECT_EQ(ui.msgBox("開始しますか？", MsgStyle::OkCancel), MsgResult::Cancel);
  EXPECT_EQ(ui.msgBox("開始しますか？", MsgStyle::OkCancel), MsgResult::Ok);
  EXPECT_EQ(ui.msgBox("初期化しました", MsgStyle::OkOnly), MsgResult::Ok);
  ASSERT_EQ(page.boxes.size(), 5u);
  // Yes / No: No is focused and is what Esc answers.
  EXPECT_TRUE(has(page.boxes[0], R"("buttons":["はい","いいえ"],"default":1,"escape":1)")) << page.boxes[0];
  EXPECT_TRUE(has(page.boxes[2], R"("buttons":["OK","キャンセル"],"default":1,"escape":1)")) << page.boxes[2];
  EXPECT_TRUE(has(page.boxes[4], R"("buttons":["OK"],"default":0,"escape":0)")) << page.boxes[4];
  EXPECT_TRUE(has(page.boxes[0], R"("title":"Velkaro・Ostrel")"));
}

// A file the player changed while a message box waited is read afresh, not taken from the cache.
TEST(WebUiTest, AWaitForThePageEndsWhatTheFileCacheTakesOnTrust) {
  TempGameDir game;
  FakePage page;
  web::WebUi ui(page);
  const std::string name = "\\ini\\busv.ini";
  TextFile::write(game.dir(), name, "劉備\r\n", Durability::killSafe);
  EXPECT_EQ(TextFile::read(game.dir(), name), "劉備\r\n");
  std::ofstream(game.root() / "ini" / "busv.ini", std::ios::binary | std::ios::trunc) << "x\r\n";
  page.answers = {0};
  ui.msgBox("続けますか？", MsgStyle::OkOnly);
  EXPECT_EQ(TextFile::read(game.dir(), name), "x\r\n");
}

TEST(WebUiTest, TheTitleSplashStepsOnItsTimerWhileThePageIsIdle) {
  WebGame g;
  g.page.idleWaits = 3;
  g.play();
  // Three timer ticks: the caption changes after the second; the splash stays until the fifth.
  EXPECT_DOUBLE_EQ(g.page.clock, 3 * 1200.0);
  EXPECT_TRUE(has(g.page.lastDraw(), R"("Label1":{"t":"Velkaro　－　Ostrel"})")) << g.page.lastDraw();
  EXPECT_FALSE(has(g.page.lastDraw(), R"("Picture1":{"t":"","hidden":true})"));
  g.page.idleWaits = 2;
  EXPECT_THROW(g.ui.run(), ScriptEnded);
  EXPECT_TRUE(has(g.page.lastDraw(), R"("Picture1":{"t":"","hidden":true})"));
}

TEST(WebUiTest, TwoRulersChosenByClickAndKeyboardStartTheGameOnTheMainScreen) {
  WebGame g;
  for (int i = 0; i < 3; ++i) g.page.click(1, "Picture1");
  g.page.click(1, "List1.0", 0);
  g.page.click(1, "List1.1", 0);    // chosen; its faction's detail opens beside the list (window 2)
  g.page.key(2, "escape");          // 戻る
  g.page.click(1, "List1.1", 1);    // the second player
  g.page.click(1, "Command2");
  g.page.answers = {0, 0};          // OK to start; the first turn's announcement
  g.play();
  ASSERT_GE(g.page.boxes.size(), 2u);
  EXPECT_TRUE(has(g.page.boxes[0], "でゲームを開始しますか？")) << g.page.boxes[0];
  const std::string& shown = g.page.lastDraw();
  EXPECT_FALSE(has(shown, R"("screen":"TitleScreen")")) << "the title closed when the main window opened";
  EXPECT_FALSE(has(shown, R"("screen":"FactionDetail")"));
  EXPECT_TRUE(has(shown, R"("screen":"MainScreen")"));
  EXPECT_EQ(g.ctx.playerFaction[0], 1);
  EXPECT_EQ(g.ctx.playerFaction[1], 2);
  // The strategy list of the player whose turn it is is light blue; the others are not.
  EXPECT_TRUE(has(shown, R"("bg":"#c0ffff")")) << shown;
  EXPECT_TRUE(has(shown, R"("unsaved":true)"));
}

TEST(WebUiTest, AModalWindowTakesEveryEventUntilItCloses) {
  WebGame g;
  for (int i = 0; i < 3; ++i) g.page.click(1, "Picture1");
  g.page.click(1, "List1.1", 0);
  g.page.click(1, "Command2");
  // The main window is window 3 (the detail was 2). 軍閥一覧 opens modal as window 4.
  g.page.click(3, "menu.itiran");
  g.page.click(3, "menu.save");  // under the modal window: not reached
  g.page.key(3, "escape");       // nor this
  g.page.key(4, "escape");       // 戻る
  g.page.key(3, "escape");       // Esc on the main window does not end the game
  g.page.answers = {0, 0};
  g.play();
  bool overview = false;
  for (const std::string& d : g.page.draws) {
    overview = overview || has(d, R"("id":4,"screen":"AllFactions")");
    EXPECT_FALSE(has(d, R"("screen":"SaveLoadScreen")"));
  }
  EXPECT_TRUE(overview);
  EXPECT_FALSE(has(g.page.lastDraw(), R"("screen":"AllFactions")"));
  EXPECT_TRUE(has(g.page.lastDraw(), R"("id":3,"screen":"MainScreen")")) << g.page.lastDraw();
  EXPECT_EQ(g.page.boxes.size(), 2u) << "no question about leaving the game";
}

TEST(WebUiTest, PageEventsAreReadOnlyWhenWhole) {
  const auto e = web::PageEvent::parse("3\x1f" "Com_Lst.2\x1f" "5\x1f" "click\x1f" "a b");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->window, 3);
  EXPECT_EQ(e->control, "Com_Lst.2");
  EXPECT_EQ(e->index, 5);
  EXPECT_EQ(e->kind, "click");
  EXPECT_EQ(e->value, "a b");
  EXPECT_FALSE(web::PageEvent::parse("3\x1f" "x\x1f" "5\x1f"));           // a field short
  EXPECT_FALSE(web::PageEvent::parse("w\x1f" "x\x1f" "5\x1f" "click\x1f"));  // no window number
  EXPECT_FALSE(web::PageEvent::parse("3\x1f" "x\x1f" "\x1f" "click\x1f"));   // no index
  EXPECT_FALSE(web::PageEvent::parse(""));
}

TEST(WebUiTest, JsonTurnsTheGamesLineEndsAndControlCharactersIntoEscapes) {
  web::Json out;
  out.open().key("t").text("一行目\r\n二行目\r\"引用\"\\\t\x01").key("n").number(-12LL).key("f").flag(false).key("l").list().number(1.5).null().end().close();
  EXPECT_EQ(out.str(), R"({"t":"一行目\n二行目\n\"引用\"\\\t\u0001","n":-12,"f":false,"l":[1.5,null]})");
}
