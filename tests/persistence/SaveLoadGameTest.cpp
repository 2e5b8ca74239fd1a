#include <gtest/gtest.h>

#include <algorithm>

#include "support/GameUi.h"
#include "persistence/SaveLoadScreen.h"
#include "setup/TitleScreen.h"
#include "support/SyntheticData.h"
#include "turn/MainScreen.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

// Presses the digits and "決定" on every save/load screen shown.
void answerSlot(ScriptedUi& ui, const std::string& digits) {
  ui.onShow("SaveLoadScreen", [digits](Screen& s) {
    auto& slot = static_cast<SaveLoadScreen&>(s);
    for (char c : digits) slot.Command1_Click(c - '0');
    slot.Command2_Click(1);
  });
}

MainScreen* shownMain(ScriptedUi& ui) {
  ui.collect();
  auto& shown = ui.modeless();
  auto it = std::find_if(shown.begin(), shown.end(), [](const auto& s) { return s->screenName() == "MainScreen"; });
  return it == shown.end() ? nullptr : static_cast<MainScreen*>(it->get());
}

// The title screen's first ruler, 新規ゲーム: the main screen it opens (nullptr when none).
MainScreen* newGameFromTitle(GameContext& ctx, test::GameUi& ui) {
  TitleScreen title(ctx, ui);
  title.Form_Load();
  title.List1[1].setSelected(0, true);
  title.Command2_Click();
  return shownMain(ui);
}

}  // namespace

TEST(SaveLoadGameTest, SavedYearComesBackFromTheMainScreenAndFromTheTitleScreen) {
  TempGameDir game;
  SyntheticData::install(game);
  GameContext ctx(game.dir());
  ctx.rng.fixSeed(3);
  test::GameUi ui;
  MainScreen* m = newGameFromTitle(ctx, ui);
  ASSERT_NE(m, nullptr);
  m->Command1_Click(3);  // Auto: the year passes
  ASSERT_EQ(m->year(), 190);

  answerSlot(ui, "07");
  m->cmdSave_Click();
  EXPECT_EQ(ctx.confirmResult, 1);
  EXPECT_TRUE(ctx.saved);
  EXPECT_EQ(ctx.newOrLoaded, 0) << "the save screen's mode is reset";
  const std::string savedOfficers = game.readBytes("save/busv07.ini");
  EXPECT_EQ(savedOfficers, game.readBytes("ini/busv.ini"));

  m->Command1_Click(3);
  m->Command1_Click(3);
  ASSERT_EQ(m->year(), 192);
  EXPECT_FALSE(ctx.saved);

  m->cmdLoad_Click();  // "セーブをしてませんがよろしいですか？" is answered Yes
  EXPECT_EQ(m->year(), 190);
  EXPECT_EQ(ctx.newOrLoaded, 0) << "the load screen's mode is reset";
  EXPECT_EQ(ctx.OFFICER_MAX, 170);
  EXPECT_EQ(ctx.scenario, 1);
  EXPECT_EQ(game.readBytes("ini/busv.ini"), savedOfficers);
  EXPECT_EQ(ctx.playerName[0], "甲軍1");

  // A fresh start of the program: the title screen's "続きから" with slot 07.
  GameContext again(game.dir());
  test::GameUi ui2;
  answerSlot(ui2, "07");
  TitleScreen title(again, ui2);
  title.Form_Load();
  title.Command1_Click(1);
  EXPECT_TRUE(title.closed);
  MainScreen* resumed = shownMain(ui2);
  ASSERT_NE(resumed, nullptr);
  EXPECT_EQ(resumed->year(), 190);
  EXPECT_EQ(again.OFFICER_MAX, 170);
  EXPECT_EQ(again.playerFaction[0], 1);
  EXPECT_EQ(game.readBytes("ini/busv.ini"), savedOfficers);
  EXPECT_NE(std::find(ui2.messages.begin(), ui2.messages.end(), "save07シナリオ 1甲軍1 190年\r\nこれをロードしますか？"),
            ui2.messages.end());
}

TEST(SaveLoadGameTest, ALoadedGameShowsTheSameInterimReportAndCohesionAsTheUnsavedGame) {
  // Two runs of the same seeded game; the first saves and loads in the interim report's year.
  struct Run {
    TempGameDir game;
    GameContext ctx{game.dir()};
    test::GameUi ui;
    MainScreen* m = nullptr;
    Run() {
      SyntheticData::install(game);
      ctx.rng.fixSeed(11);
      m = newGameFromTitle(ctx, ui);
    }
  };
  Run saved;
  Run plain;
  ASSERT_NE(saved.m, nullptr);
  ASSERT_NE(plain.m, nullptr);
  while (saved.m->year() < 206) saved.m->Command1_Click(3);
  while (plain.m->year() < 206) plain.m->Command1_Click(3);
  ASSERT_EQ(plain.ctx.sharedText.rfind("中間報告", 0), 0u);
  const std::string report = plain.ctx.sharedText;
  // The alliances have drifted from their fame by now, so a cohesion taken from fame would show.
  ASSERT_EQ(saved.ctx.meishuKessoku, plain.ctx.meishuKessoku);

  answerSlot(saved.ui, "03");
  saved.m->cmdSave_Click();
  saved.m->cmdLoad_Click();
  ASSERT_EQ(saved.m->year(), 206);
  EXPECT_EQ(saved.ctx.sharedText, report);
  EXPECT_EQ(saved.ctx.meishuKessoku, plain.ctx.meishuKessoku);
  for (const char* file : {"ini/busv.ini", "ini/gunsv.ini"}) {
    EXPECT_EQ(saved.game.readBytes(file), plain.game.readBytes(file)) << file;
  }
}

TEST(SaveLoadGameTest, TheLoadedYearIsOnTheMainScreenWhenItsFirstTurnIsAnnounced) {
  TempGameDir game;
  SyntheticData::install(game);
  GameContext ctx(game.dir());
  ctx.rng.fixSeed(5);
  test::GameUi ui;
  MainScreen* m = newGameFromTitle(ctx, ui);
  ASSERT_NE(m, nullptr);
  answerSlot(ui, "04");
  m->cmdSave_Click();
  m->Command1_Click(3);
  m->Command1_Click(3);
  ASSERT_EQ(m->year(), 191);

  std::vector<std::string> yearLines;
  ui.onMessage = [&](const std::string& prompt) {
    if (prompt.size() >= 3 && prompt.ends_with("の番です。")) yearLines.push_back(m->Lab_hlp.caption);
  };
  m->cmdLoad_Click();
  ASSERT_EQ(m->year(), 189);
  ASSERT_EQ(yearLines.size(), 1u);
  EXPECT_NE(yearLines[0].find("189年の戦況"), std::string::npos) << yearLines[0];
  EXPECT_GE(m->currentPanel(), 0) << "the first player's menu is the one to choose from";
}
