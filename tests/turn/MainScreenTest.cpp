#include <gtest/gtest.h>

#include <algorithm>

#include "support/GameUi.h"
#include "screens/StrategyExplanation.h"
#include "setup/TitleScreen.h"
#include "support/SyntheticData.h"
#include "turn/MainScreen.h"
#include "turn/Strategy.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

struct MainFixture : ::testing::Test {
  MainFixture() : ctx(game.dir()) {
    SyntheticData::install(game);
    ctx.rng.fixSeed(5);
  }
  // A new game of the scenario with the factions at these title-list rows as players.
  MainScreen& start(int scenario, std::initializer_list<int> rows) {
    TitleScreen title(ctx, ui);
    title.Form_Load();
    title.List1[0].listIndex = scenario - 1;
    title.List1_Click(0);
    for (int row : rows) title.List1[1].setSelected(row, true);
    title.Command2_Click();
    EXPECT_TRUE(title.closed);
    auto& shown = ui.modeless();
    auto it = std::find_if(shown.begin(), shown.end(), [](const auto& s) { return s->screenName() == "MainScreen"; });
    EXPECT_NE(it, shown.end());
    return static_cast<MainScreen&>(**it);
  }
  std::size_t count(const std::string& text) const {
    return static_cast<std::size_t>(std::count(ui.messages.begin(), ui.messages.end(), text));
  }
  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
};

}  // namespace

TEST_F(MainFixture, PlayersAreAskedInListOrderAndTheYearThenPasses) {
  MainScreen& m = start(1, {0, 2});
  EXPECT_EQ(m.year(), 189);
  EXPECT_EQ(ui.messages.back(), "甲軍1の番です。");
  EXPECT_EQ(m.Label6.caption, "プレイヤー\r\n（甲軍1）");
  EXPECT_EQ(m.Lab_hlp.caption, " 189年の戦況（水色のリストの戦略が選択可能です）");
  EXPECT_EQ(ctx.playerRuler[0], 1);
  EXPECT_EQ(ctx.playerRuler[2], 21);

  const int16 computerLine = ctx.chosenLine[1];
  m.Command1_Click(3);
  EXPECT_EQ(ui.messages[ui.messages.size() - 2], "甲軍1の行動をコンピュータに任せますか？");
  EXPECT_EQ(ui.messages.back(), "甲軍3の番です。");
  EXPECT_EQ(ctx.chosenLine[1], computerLine) << "Auto keeps the computer's line";
  EXPECT_EQ(m.year(), 189);

  m.Command1_Click(3);
  EXPECT_EQ(m.year(), 190);
  EXPECT_EQ(ui.messages.back(), "甲軍1の番です。");
  EXPECT_FALSE(ctx.saved);
}

TEST_F(MainFixture, DecliningChangesNothingAndTheOtherButtonsDoNothing) {
  MainScreen& m = start(1, {0});
  const auto before = ui.messages.size();
  m.Command1_Click(1);
  EXPECT_EQ(ui.messages.size(), before);
  ui.queuedAnswers.push_back(MsgResult::No);
  m.Command1_Click(3);
  EXPECT_EQ(m.year(), 189);
  EXPECT_EQ(m.teban(), 0);
}

TEST_F(MainFixture, TheCurrentPlayersMenuIsLightBlue) {
  MainScreen& m = start(1, {0});
  // Faction 1 leads alliance slot 1.
  EXPECT_EQ(m.currentPanel(), 1);
  EXPECT_EQ(m.Com_Lst[1].backColour, kLightBlue);
  EXPECT_EQ(m.Com_Lst[0].backColour, kWindowColour);
  EXPECT_EQ(m.Frame1[0].caption, "独立軍閥");
  EXPECT_EQ(m.Frame1[1].caption, "甲軍1");
  // Factions 1, 4, 5, 6 are in alliance 1; 7..13 are independent.
  EXPECT_EQ(m.Gun_lst[1].listCount(), 4);
  EXPECT_EQ(m.Gun_lst[0].listCount(), 7);
  EXPECT_EQ(m.Lab_MeiVal[1].caption, std::to_string((23 + 3) + (32 + 6) + (35 + 7) + (38 + 8)) + "000\r\n50");
}

TEST_F(MainFixture, ChoosingALineGoesThroughTheExplanationAndTheQuestion) {
  MainScreen& m = start(1, {0, 2});
  ui.onShow("StrategyExplanation", [](Screen& s) {
    auto& explanation = static_cast<StrategyExplanation&>(s);
    EXPECT_TRUE(explanation.Command1[1].enabled);
    explanation.Command1_Click(1);
  });
  ListBox& menu = m.Com_Lst[1];
  menu.listIndex = menu.listCount() - 1;
  const std::string name = menu.text(menu.listIndex);
  ui.queuedAnswers.push_back(MsgResult::No);
  m.Com_Lst_Click(1);
  EXPECT_EQ(ui.messages.back().rfind(name, 0), 0u);
  EXPECT_NE(ui.messages.back().find("を行いますか？"), std::string::npos);
  EXPECT_EQ(m.teban(), 0) << "a declined question keeps the same player";
  EXPECT_EQ(ctx.confirmResult, 0);

  m.Com_Lst_Click(1);
  EXPECT_EQ(ctx.chosenLine[1], menu.listCount() - 1);
  EXPECT_EQ(ui.messages.back(), "甲軍3の番です。");

  // Another panel's menu only explains.
  ui.onShow("StrategyExplanation", [](Screen& s) {
    auto& explanation = static_cast<StrategyExplanation&>(s);
    EXPECT_FALSE(explanation.Command1[1].enabled);
    explanation.Command1_Click(1);
  });
  m.Com_Lst[0].listIndex = 0;
  const auto before = ui.messages.size();
  m.Com_Lst_Click(0);
  EXPECT_EQ(ui.messages.size(), before) << "no question without a confirmation";
}

TEST_F(MainFixture, TheExplanationNamesWhoElseMovesAndShowsNoHalfDataCaption) {
  MainScreen& m = start(1, {0});
  // Factions 4 and 5 of the player's alliance chose the same line; 6 another.
  ctx.chosenLine[1] = 1;
  ctx.chosenLine[4] = 0;
  ctx.chosenLine[5] = 0;
  ctx.chosenLine[6] = 1;
  std::string param2;
  std::string dataCaption = "unset";
  bool dataVisible = true;
  ui.onShow("StrategyExplanation", [&](Screen& s) {
    auto& explanation = static_cast<StrategyExplanation&>(s);
    param2 = ctx.msgParam2;
    dataCaption = explanation.Command1[2].caption;
    dataVisible = explanation.Command1[2].visible;
    explanation.Command1_Click(0);
  });
  m.Com_Lst[1].listIndex = 0;
  m.Com_Lst_Click(1);
  EXPECT_NE(param2.find("甲軍4、甲軍5が動いている"), std::string::npos) << param2;
  EXPECT_EQ(param2.find("、が"), std::string::npos) << param2;
  if (ctx.selectedOfficer >= 1) {
    EXPECT_EQ(dataCaption, ctx.msgParam1 + "のデータ");
    EXPECT_TRUE(dataVisible);
  } else {
    EXPECT_EQ(dataCaption, "");
    EXPECT_FALSE(dataVisible);
  }
  // Every line of the menu: a caption is either an officer's or none at all.
  for (int line = 0; line < m.Com_Lst[1].listCount(); ++line) {
    m.Com_Lst[1].listIndex = line;
    m.Com_Lst_Click(1);
    EXPECT_NE(dataCaption, "のデータ") << "line " << line;
    EXPECT_EQ(dataVisible, !dataCaption.empty()) << "line " << line;
  }
}

TEST_F(MainFixture, ASlotAtOrAboveTheFactionCountIsNeverAsked) {
  ctx.playerFaction[12] = 5;
  ctx.playerName[12] = "乙軍5";
  MainScreen m(ctx, ui);
  ctx.scenario = 2;
  ctx.OFFICER_MAX = 170;
  TitleScreen title(ctx, ui);
  title.Form_Load();
  title.List1[0].listIndex = 1;
  title.List1_Click(0);
  ctx.playerFaction[12] = 5;
  ctx.playerName[12] = "乙軍5";
  m.Form_Load();
  EXPECT_EQ(count("乙軍5の番です。"), 0u);
  EXPECT_EQ(m.teban(), 12);
  EXPECT_EQ(m.currentPanel(), -1);
  m.Command1_Click(3);
  EXPECT_EQ(m.year(), 196);
  EXPECT_EQ(count("乙軍5の番です。"), 0u);
}

TEST_F(MainFixture, ReportsComeTenYearsBeforeTheEndAndAtTheEnd) {
  MainScreen& m = start(1, {0});
  while (m.year() < 205) m.Command1_Click(3);
  EXPECT_FALSE(game.dir().exists("\\save\\velkaro_end.log"));
  m.Command1_Click(3);
  EXPECT_EQ(m.year(), 206);
  EXPECT_EQ(ctx.sharedText.rfind("中間報告（ゲーム終了１０年前）\r\n", 0), 0u) << ctx.sharedText;
  EXPECT_NE(ctx.sharedText.find("甲軍1（プレイヤー）\r\n動員可能な兵力："), std::string::npos) << ctx.sharedText;
  EXPECT_TRUE(game.dir().exists("\\save\\velkaro_end.log"));
  while (m.year() < 215) m.Command1_Click(3);
  EXPECT_THROW(m.Command1_Click(3), ProgramEnded);
  EXPECT_EQ(m.year(), 216);
  EXPECT_TRUE(m.gameOver());
  EXPECT_EQ(ctx.sharedText.rfind("ゲーム最終結果\r\n", 0), 0u);
  EXPECT_EQ(ctx.runMode, 0) << "the credits come last";
}

TEST_F(MainFixture, ScenarioTwoReportsWhenYear211Begins) {
  MainScreen& m = start(2, {0});
  EXPECT_EQ(m.year(), 195);
  EXPECT_EQ(m.endYear(), 221);
  while (m.year() < 210) m.Command1_Click(3);
  EXPECT_EQ(ctx.sharedText.find("中間報告"), std::string::npos);
  m.Command1_Click(3);
  EXPECT_EQ(m.year(), 211);
  EXPECT_EQ(ctx.sharedText.rfind("中間報告（ゲーム終了１０年前）\r\n", 0), 0u);
}

TEST_F(MainFixture, ThePlayersAreAskedOnceWhetherToGoOnWhenAllHaveFallen) {
  // Faction 13 has no troops, no fame and nobody serving its ruler: it falls in its first year.
  std::string officers = SyntheticData::officerMaster(155, 13, "甲");
  for (int id = 122; id <= 130; ++id) {
    const std::string from = "\n121,";
    const auto record = officers.find("." + std::to_string(id) + "\n");
    officers.replace(officers.find(from, record), from.size(), "\n0,");
  }
  game.writeText("ini/Bushou1.ini", officers);
  std::string factions = SyntheticData::factionMaster(13, "甲");
  factions.replace(factions.find("0,121,59,15,50,60,70,40"), 23, "0,121,0,0,0,60,70,100");
  game.writeText("ini/Gunbatu1.ini", factions);
  MainScreen& m = start(1, {12});
  EXPECT_EQ(ui.messages.back(), "甲軍13の番です。");
  ui.policy = [](const std::string& prompt, MsgStyle style) {
    if (prompt.find("このまま続けますか？") != std::string::npos) return MsgResult::No;
    return style == MsgStyle::YesNo ? MsgResult::Yes : MsgResult::Ok;
  };
  EXPECT_THROW(m.Command1_Click(3), ProgramEnded);
  EXPECT_EQ(count("プレイヤーの軍団が滅亡しました。"), 1u);
  EXPECT_EQ(ui.messages.back(), "プレイヤーの軍団が全て滅亡しました。\r\nこのまま続けますか？\r\n（いいえでゲームを終了します）")
      << "a question that can end the program says so";
  EXPECT_EQ(ctx.playerFaction[12], 0) << "the fallen player's slot is cleared";

  // Going on: the computer plays on, one year for each "時間を進めますか？".
  ui.policy = nullptr;
  MainScreen again(ctx, ui);
  ctx.playerFaction[12] = 13;
  game.writeText("ini/Gunbatu1.ini", factions);
  again.Form_Load();
  again.Command1_Click(3);
  EXPECT_EQ(again.year(), 190);
  EXPECT_EQ(again.currentPanel(), -1);
  again.Command1_Click(3);
  EXPECT_EQ(ui.messages.back(), "時間を進めますか？");
  EXPECT_EQ(again.year(), 191);
  EXPECT_EQ(count("プレイヤーの軍団が全て滅亡しました。\r\nこのまま続けますか？\r\n（いいえでゲームを終了します）"), 2u) << "asked once per main screen";
}

TEST_F(MainFixture, MenusAskBeforeUnsavedWorkIsLost) {
  MainScreen& m = start(1, {0});
  ui.queuedAnswers.push_back(MsgResult::No);
  m.exitGame_Click();
  EXPECT_EQ(ui.messages.back(), "セーブをしてませんがよろしいですか？\r\n（はいでゲームを終了します）")
      << "the question that ends the program says so";
  ui.queuedAnswers.push_back(MsgResult::No);
  m.newGame_Click();
  EXPECT_EQ(ui.messages.back(), "セーブをしてませんがよろしいですか？") << "starting over does not end the program";
  ctx.saved = true;
  EXPECT_THROW(m.exitGame_Click(), ProgramEnded) << "right after a save there is no question";
  m.cmdVer_Click();
  EXPECT_EQ(ui.messages.back(), MainScreen::kVersion);
}

TEST_F(MainFixture, TheNextPlayerIsAnnouncedWithNoLineChosenInAnyList) {
  MainScreen& m = start(1, {0, 2});
  ui.onShow("StrategyExplanation", [](Screen& s) { static_cast<StrategyExplanation&>(s).Command1_Click(1); });
  // What the lists hold at each announcement of a turn.
  std::vector<std::string> chosen;
  ui.onMessage = [&](const std::string& text) {
    if (text.size() < 15 || text.compare(text.size() - 15, 15, "の番です。") != 0) return;
    std::string lines;
    for (std::size_t k = 0; k < kPanels; ++k) lines += std::to_string(m.Gun_lst[k].listIndex) + std::to_string(m.Com_Lst[k].listIndex);
    chosen.push_back(lines + std::to_string(m.dsp_PC.listIndex));
  };
  // The first player looks at a faction, at the other player, and picks a line.
  m.Gun_lst[0].listIndex = 2;
  m.dsp_PC.listIndex = 1;
  m.Com_Lst[1].listIndex = m.Com_Lst[1].listCount() - 1;
  m.Com_Lst_Click(1);
  // The second looks at a faction of the other panel and leaves the year to the computer.
  m.Gun_lst[1].listIndex = 1;
  m.Command1_Click(3);
  EXPECT_EQ(m.year(), 190);
  EXPECT_EQ(chosen, (std::vector<std::string>{"-1-1-1-1-1-1-1-1-1", "-1-1-1-1-1-1-1-1-1"}));
}
