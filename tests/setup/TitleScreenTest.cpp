#include <gtest/gtest.h>

#include "data/DataError.h"
#include "data/FileCache.h"
#include "data/StateFiles.h"
#include "data/StatePaths.h"
#include "setup/TitleScreen.h"
#include "support/GameUi.h"
#include "support/SyntheticData.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

struct TitleFixture : ::testing::Test {
  TitleFixture() : context(game.dir()), title(context, ui) {
    SyntheticData::install(game);
    context.rng.fixSeed(1);
    title.Form_Load();
  }
  void chooseScenario(int number) {
    title.List1[0].listIndex = number - 1;
    title.List1_Click(0);
  }
  TempGameDir game;
  GameContext context;
  test::GameUi ui;
  TitleScreen title;
};

}  // namespace

TEST_F(TitleFixture, LoadShowsScenarioOneAndItsFactions) {
  EXPECT_EQ(title.caption, "Velkaro・Ostrel");
  ASSERT_EQ(title.List1[0].listCount(), 6);
  EXPECT_EQ(title.List1[0].text(3), "シナリオ４・董卓打倒（仮想）");
  EXPECT_EQ(title.List1[1].listCount(), 13);
  EXPECT_EQ(title.List1[1].text(0), "甲軍1");
  EXPECT_EQ(title.List1[1].itemData(12), 13);
  EXPECT_EQ(title.rowToRuler()[12], 121);
  EXPECT_EQ(title.Lab_txt.caption, "説明21\r\n\r\n");
  EXPECT_EQ(game.readBytes("ini/busv.ini"), game.readBytes("ini/Bushou1.ini"));
  EXPECT_EQ(game.readBytes("ini/gunsv.ini"), game.readBytes("ini/Gunbatu1.ini"));
}

TEST_F(TitleFixture, ChoosingScenarioFiveCopiesItsMastersAndLists12Factions) {
  title.List1[1].setSelected(0, true);
  chooseScenario(5);
  EXPECT_EQ(context.scenario, 5);
  EXPECT_EQ(context.FACTION_MAX, 12);
  EXPECT_EQ(context.OFFICER_MAX, 155);
  EXPECT_EQ(title.List1[1].listCount(), 12);
  EXPECT_EQ(title.List1[1].selCount(), 0) << "the faction selection is lost";
  EXPECT_EQ(game.readBytes("ini/gunsv.ini"), game.readBytes("ini/Gunbatu2.ini"));
  EXPECT_EQ(game.readBytes("ini/Cmtsv.ini"), game.readBytes("ini/Comment.ini"));
  EXPECT_EQ(game.readBytes("ini/busv.ini"), game.readBytes("ini/Bushou2.ini"));
  EXPECT_EQ(title.Lab_txt.caption, "説明25\r\n\r\n");
  chooseScenario(3);
  EXPECT_EQ(context.OFFICER_MAX, 160);
  EXPECT_EQ(title.List1[1].listCount(), 13);
}

TEST_F(TitleFixture, NewGameWithoutFactionIsRefused) {
  title.Command2_Click();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "武将が選択されていません");
  EXPECT_FALSE(title.closed);
}

TEST_F(TitleFixture, ThreeFactionsAskAboutTheLastAndAllBecomePlayers) {
  for (int row : {1, 4, 9}) title.List1[1].setSelected(row, true);
  ui.queuedAnswers.push_back(MsgResult::Cancel);
  title.Command2_Click();
  EXPECT_EQ(ui.messages.back(), "甲軍10でゲームを開始しますか？");
  EXPECT_FALSE(title.closed);

  title.Command2_Click();
  EXPECT_TRUE(title.closed);
  EXPECT_EQ(context.playerFaction[1], 2);
  EXPECT_EQ(context.playerFaction[4], 5);
  EXPECT_EQ(context.playerFaction[9], 10);
  EXPECT_EQ(context.playerFaction[0], 0);
  EXPECT_EQ(context.playerName[9], "甲軍10");
  EXPECT_EQ(context.OFFICER_MAX, 170);
  EXPECT_EQ(context.newOrLoaded, 0);
}

TEST_F(TitleFixture, SplashCountsTicksAndClicksTogether) {
  EXPECT_EQ(title.Label1.caption, TitleScreen::kCredit);
  title.Timer_Timer(0);
  EXPECT_EQ(title.Label1.caption, TitleScreen::kCredit);
  title.Timer_Timer(0);
  EXPECT_EQ(title.Label1.caption, TitleScreen::kTitle) << "the title from the second tick";
  title.Timer_Timer(0);
  title.Timer_Timer(0);
  EXPECT_TRUE(title.Picture1.visible);
  title.Timer_Timer(0);
  EXPECT_FALSE(title.Picture1.visible) << "hidden on the fifth tick";
  EXPECT_FALSE(title.Label1.visible);

  GameContext other(game.dir());
  TitleScreen clicked(other, ui);
  clicked.Form_Load();
  clicked.Timer_Timer(0);
  clicked.Label1_Click();
  EXPECT_TRUE(clicked.Picture1.visible);
  clicked.Picture1_Click();
  EXPECT_FALSE(clicked.Picture1.visible) << "a click past a count of two hides it";
}

TEST_F(TitleFixture, HintsFollowTheMouse) {
  title.List1_MouseMove(1);
  EXPECT_EQ(title.Hlp.caption, "軍閥の君主を選んでから、「新規ゲーム」を押してください（複数プレイ可能）");
  title.List1_MouseMove(0);
  EXPECT_EQ(title.Hlp.caption, "シナリオを選んでください");
  title.Back_MouseMove();
  EXPECT_EQ(title.Hlp.caption, "");
}

TEST_F(TitleFixture, RestoreCopiesTheBackupOfTheCurrentScenarioOnly) {
  chooseScenario(5);
  game.writeText("ini/Bushou2.ini", ".1\n\"edited\"\n1,1,1,1\n1,1\n0,1\n\"\"\n0\n");
  game.writeText("ini/Bushou1.ini", ".1\n\"edited too\"\n1,1,1,1\n1,1\n0,1\n\"\"\n0\n");
  ui.queuedAnswers.push_back(MsgResult::Cancel);
  title.cmdInit_Click();
  EXPECT_EQ(ui.messages.back(), "シナリオ 5においてエディットした武将データを全て初期化しますか？");
  EXPECT_NE(game.readBytes("ini/Bushou2.ini"), game.readBytes("ini/BUSHOU2_BK.ini"));
  title.cmdInit_Click();
  EXPECT_EQ(ui.messages.back(), "初期化しました");
  EXPECT_EQ(game.readBytes("ini/Bushou2.ini"), game.readBytes("ini/BUSHOU2_BK.ini"));
  EXPECT_EQ(game.readBytes("ini/busv.ini"), game.readBytes("ini/BUSHOU2_BK.ini"));
  EXPECT_NE(game.readBytes("ini/Bushou1.ini"), game.readBytes("ini/BUSHOU1_BK.ini"));
}

TEST_F(TitleFixture, FactionClickSetsTheDetailValues) {
  chooseScenario(4);
  title.List1[1].listIndex = 2;
  title.List1_Click(1);
  EXPECT_EQ(context.selectedFaction, 3);
  EXPECT_EQ(context.sharedText, "配下の構成は変わります");
  chooseScenario(1);
  title.List1[1].listIndex = 0;
  title.List1_Click(1);
  EXPECT_EQ(context.sharedText, "");
}

TEST_F(TitleFixture, MissingMasterGivesAMessageAndKeepsTheScreenUsable) {
  std::filesystem::remove(game.root() / "ini" / "Gunbatu2.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  try {
    chooseScenario(2);
    FAIL() << "no error reported";
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("Gunbatu2.ini"), std::string::npos);
  }
  chooseScenario(1);
  EXPECT_EQ(title.List1[1].listCount(), 13);
}

TEST(Title, OpensWithAMessageWhenScenarioOnesMasterIsMissing) {
  TempGameDir game;
  SyntheticData::install(game);
  std::filesystem::remove(game.root() / "ini" / "Bushou1.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  GameContext context(game.dir());
  test::GameUi ui;
  TitleScreen title(context, ui);
  title.Form_Load();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0], "ファイル「\\ini\\Bushou1.ini」が見つかりません。");
  EXPECT_EQ(title.List1[0].listCount(), 6) << "the scenarios can still be chosen";
  EXPECT_EQ(title.Command1[0].caption, "終了");
  title.List1[0].listIndex = 1;
  title.List1_Click(0);
  EXPECT_EQ(title.List1[1].listCount(), 12);
  EXPECT_EQ(game.readBytes("ini/busv.ini"), game.readBytes("ini/Bushou2.ini"));
}

TEST_F(TitleFixture, ShortNamePoolStopsTheNewGameBeforeAnythingIsWritten) {
  game.writeText("ini/sei.ini", SyntheticData::pool("姓", 100));
  const std::string before = game.readBytes("ini/busv.ini");
  title.List1[1].setSelected(0, true);
  title.Command2_Click();
  EXPECT_FALSE(title.closed);
  EXPECT_NE(ui.messages.back().find("sei.ini"), std::string::npos) << ui.messages.back();
  EXPECT_EQ(game.readBytes("ini/busv.ini"), before);
  EXPECT_EQ(title.Hlp.caption, "");
}
