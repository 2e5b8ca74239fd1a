#include <gtest/gtest.h>

#include <filesystem>

#include "support/GameUi.h"
#include "persistence/SaveLoadScreen.h"
#include "persistence/SaveSlot.h"
#include "setup/TitleScreen.h"
#include "support/SyntheticData.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

const char* kGameFiles[] = {"ini/busv.ini", "ini/gunsv.ini", "ini/Cmtsv.ini", "ini/velkaro.log"};

struct SlotFixture : ::testing::Test {
  SlotFixture() : ctx(game.dir()) {
    writeGame("今");
    ctx.scenario = 2;
    ctx.slotRecord = {195, 80, 60, 40, 2, 9, 0, 0};
    ctx.playerName[3] = "乙軍4";
    ctx.playerRuler[3] = 31;
    ctx.playerFaction[3] = 4;
    ctx.playerAlliance[3] = 11;
    ctx.playerName[15] = "乙軍12";
    ctx.playerFaction[15] = 12;
    ctx.playerName[16] = "乙軍13";  // slots from 16 on are not saved
  }
  // Distinct contents per file, tagged so that one game can be told from another.
  void writeGame(const std::string& tag) {
    game.writeText("ini/busv.ini", ".1\n\"" + tag + "武将\"\n1,2,3,4\n5,6\n1,5\n\"f\"\n0\n");
    game.writeText("ini/gunsv.ini", ".1\n\"" + tag + "軍\"\n1,1,10,2,3,4,5,6\n\"FALSE\"\n");
    game.writeText("ini/Cmtsv.ini", ".1\n" + tag + "武将\n" + tag + "の評伝\n");
    game.writeText("ini/velkaro.log", "Velkaroの記録\n＝＝＝\n＝" + tag + "＝\n＝＝＝\nEOT=======\n");
  }
  std::map<std::string, std::string> snapshot() const {
    std::map<std::string, std::string> files;
    for (const char* f : kGameFiles) files[f] = game.readBytes(f);
    return files;
  }
  SaveLoadScreen& open(int mode) {
    ctx.newOrLoaded = static_cast<int16>(mode);
    ctx.confirmResult = 0;
    screen = std::make_unique<SaveLoadScreen>(ctx, ui);
    screen->Form_Load();
    return *screen;
  }
  void type(SaveLoadScreen& s, const std::string& digits) {
    for (char c : digits) s.Command1_Click(c - '0');
  }
  bool exists(const std::string& relative) const { return std::filesystem::exists(game.root() / relative); }

  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
  std::unique_ptr<SaveLoadScreen> screen;
};

}  // namespace

TEST_F(SlotFixture, CaptionsAndDigitKeys) {
  SaveLoadScreen& s = open(1);
  EXPECT_EQ(s.caption, "セーブ画面");
  EXPECT_EQ(s.Command1[0].caption, " 0");
  EXPECT_EQ(s.Command1[9].caption, " 9");
  EXPECT_EQ(s.Hlp.caption, "セーブ番号を打ち込んでください");
  EXPECT_EQ(s.Lab_num.caption, "save");
  type(s, "07");
  EXPECT_EQ(s.Lab_num.caption, "save07");
  s.Command2_Click(0);
  EXPECT_EQ(s.Lab_num.caption, "save");
  EXPECT_EQ(s.typedNumber(), "");
  EXPECT_EQ(open(2).caption, "ロード画面");
}

TEST_F(SlotFixture, SlotsZeroSevenAndSevenAreDifferentFiles) {
  SaveLoadScreen& first = open(1);
  type(first, "07");
  first.Command2_Click(1);
  EXPECT_EQ(ui.messages.back(), "save07でセーブしますか？");
  EXPECT_TRUE(first.closed);
  EXPECT_EQ(ctx.confirmResult, 1);

  writeGame("次");
  SaveLoadScreen& second = open(1);
  type(second, "7");
  second.Command2_Click(1);
  for (const char* stem : {"save/busv", "save/gunsv", "save/Cmtsv", "save/save"}) {
    EXPECT_TRUE(exists(std::string(stem) + "07.ini")) << stem;
    EXPECT_TRUE(exists(std::string(stem) + "7.ini")) << stem;
  }
  EXPECT_NE(game.readText("save/busv07.ini").find("今武将"), std::string::npos);
  EXPECT_NE(game.readText("save/busv7.ini").find("次武将"), std::string::npos);
  EXPECT_EQ(game.readBytes("save/velkarolog7.log"), game.readBytes("ini/velkaro.log"));
}

TEST_F(SlotFixture, EmptyNumberSavesToFilesWithoutANumber) {
  SaveLoadScreen& s = open(1);
  type(s, "3");
  s.Command2_Click(0);
  s.Command2_Click(1);
  EXPECT_EQ(ui.messages.back(), "saveでセーブしますか？");
  EXPECT_EQ(game.readBytes("save/busv.ini"), game.readBytes("ini/busv.ini"));
  EXPECT_EQ(game.readBytes("save/gunsv.ini"), game.readBytes("ini/gunsv.ini"));
  EXPECT_EQ(game.readBytes("save/Cmtsv.ini"), game.readBytes("ini/Cmtsv.ini"));
  EXPECT_EQ(game.readBytes("save/velkarolog.log"), game.readBytes("ini/velkaro.log"));
  EXPECT_TRUE(exists("save/save.ini"));
  EXPECT_FALSE(exists("save/save3.ini"));
}

TEST_F(SlotFixture, SlotFileHoldsHeadingSixEntriesAndSixteenPlayers) {
  SaveLoadScreen& s = open(1);
  type(s, "1");
  s.Command2_Click(1);
  std::string expected = "同盟結束力\r\n195,80,60,40,2,9\r\n";
  for (int i = 0; i < 16; ++i) {
    const auto p = static_cast<std::size_t>(i);
    expected += ctx.playerName[p] + "\r\n" + std::to_string(ctx.playerRuler[p]) + "\r\n" +
                std::to_string(ctx.playerFaction[p]) + "," + std::to_string(ctx.playerAlliance[p]) + "\r\n";
  }
  EXPECT_EQ(game.readText("save/save1.ini"), expected);
  EXPECT_NE(expected.find("\r\n乙軍4\r\n31\r\n4,11\r\n"), std::string::npos);
  EXPECT_EQ(expected.find("乙軍13"), std::string::npos);
}

TEST_F(SlotFixture, CancelledSaveWritesNothingAndStaysOpen) {
  SaveLoadScreen& s = open(1);
  type(s, "5");
  ui.queuedAnswers.push_back(MsgResult::Cancel);
  s.Command2_Click(1);
  EXPECT_FALSE(s.closed);
  EXPECT_EQ(ctx.confirmResult, 0);
  EXPECT_FALSE(exists("save/save5.ini"));
  s.Command3_Click();
  EXPECT_TRUE(s.closed);
  EXPECT_EQ(ctx.confirmResult, 0);
}

TEST_F(SlotFixture, SaveCreatesAMissingSaveFolder) {
  std::filesystem::remove_all(game.root() / "save");
  SaveLoadScreen& s = open(1);
  type(s, "2");
  s.Command2_Click(1);
  EXPECT_EQ(ctx.confirmResult, 1);
  EXPECT_EQ(game.readBytes("save/gunsv2.ini"), game.readBytes("ini/gunsv.ini"));
  EXPECT_TRUE(exists("save/save2.ini"));
}

TEST_F(SlotFixture, FailedCopyIsReportedAndNotCountedAsSaved) {
  std::filesystem::remove(game.root() / "ini/velkaro.log");
  SaveLoadScreen& s = open(1);
  type(s, "4");
  s.Command2_Click(1);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].rfind("セーブできませんでした。", 0), 0u) << ui.messages[1];
  EXPECT_NE(ui.messages[1].find("velkaro.log"), std::string::npos);
  EXPECT_EQ(ctx.confirmResult, 0);
  EXPECT_FALSE(ctx.saved);
  EXPECT_FALSE(s.closed);
  EXPECT_FALSE(exists("save/busv4.ini")) << "nothing is written before every source was read";
  EXPECT_FALSE(exists("save/save4.ini"));
}

TEST_F(SlotFixture, HalfWrittenSaveCannotBeLoaded) {
  // An old, complete slot 6, then a save whose log copy cannot be written (a folder is in the way).
  SaveLoadScreen& first = open(1);
  type(first, "6");
  first.Command2_Click(1);
  std::filesystem::remove(game.root() / "save/velkarolog6.log");
  std::filesystem::create_directories(game.root() / "save/velkarolog6.log/blocked");
  SaveLoadScreen& second = open(1);
  type(second, "6");
  second.Command2_Click(1);
  EXPECT_EQ(ctx.confirmResult, 0);
  EXPECT_FALSE(exists("save/save6.ini")) << "the torn slot has no slot file";
  const auto before = snapshot();
  SaveLoadScreen& load = open(2);
  type(load, "6");
  load.Command2_Click(1);
  EXPECT_EQ(ui.messages.back(), "ファイルが見つかりません");
  EXPECT_EQ(snapshot(), before);
}

TEST_F(SlotFixture, LoadRestoresFilesAndValues) {
  SaveLoadScreen& save = open(1);
  type(save, "12");
  save.Command2_Click(1);

  writeGame("別");
  GameContext fresh(game.dir());
  fresh.newOrLoaded = 2;
  fresh.playerName[16] = "残る";
  SaveLoadScreen load(fresh, ui);
  load.Form_Load();
  type(load, "12");
  load.Command2_Click(1);
  EXPECT_EQ(ui.messages.back(), "save12シナリオ 2乙軍4 195年\r\nこれをロードしますか？");
  EXPECT_TRUE(load.closed);
  EXPECT_EQ(fresh.confirmResult, 1);
  EXPECT_EQ(fresh.newOrLoaded, 2) << "the main screen learns that a game was loaded";
  EXPECT_TRUE(fresh.saved);
  EXPECT_EQ(fresh.OFFICER_MAX, 170);
  EXPECT_EQ(fresh.slotRecord[0], 195);
  EXPECT_EQ(fresh.slotRecord[3], 40);
  EXPECT_EQ(fresh.slotRecord[4], 2);
  EXPECT_EQ(fresh.slotRecord[5], 9);
  EXPECT_EQ(fresh.playerName[3], "乙軍4");
  EXPECT_EQ(fresh.playerRuler[3], 31);
  EXPECT_EQ(fresh.playerFaction[3], 4);
  EXPECT_EQ(fresh.playerAlliance[3], 11);
  EXPECT_EQ(fresh.playerFaction[15], 12);
  EXPECT_EQ(fresh.playerName[16], "残る") << "slots from 16 on are not in the slot file";
  EXPECT_NE(game.readText("ini/busv.ini").find("今武将"), std::string::npos);
  EXPECT_EQ(game.readBytes("ini/velkaro.log"), game.readBytes("save/velkarolog12.log"));
  EXPECT_EQ(game.readBytes("ini/Cmtsv.ini"), game.readBytes("save/Cmtsv12.ini"));
}

TEST_F(SlotFixture, SlotMissingAFileLeavesTheGameUntouched) {
  SaveLoadScreen& save = open(1);
  type(save, "8");
  save.Command2_Click(1);
  writeGame("現");
  const auto before = snapshot();

  for (const char* gone : {"save/Cmtsv8.ini", "save/save8.ini"}) {
    std::filesystem::remove(game.root() / gone);
    ui.messages.clear();
    GameContext other(game.dir());
    SaveLoadScreen load(other, ui);
    other.newOrLoaded = 2;
    load.Form_Load();
    type(load, "8");
    load.Command2_Click(1);
    ASSERT_EQ(ui.messages.size(), 1u) << gone;
    EXPECT_EQ(ui.messages[0], "ファイルが見つかりません");
    EXPECT_FALSE(load.closed);
    EXPECT_EQ(other.confirmResult, 0);
    EXPECT_EQ(other.OFFICER_MAX, 155);
    EXPECT_EQ(snapshot(), before) << gone;
  }
}

TEST_F(SlotFixture, UnreadableSlotFileIsNotLoaded) {
  SaveLoadScreen& save = open(1);
  type(save, "9");
  save.Command2_Click(1);
  game.writeText("save/save9.ini", "同盟結束力\n195,80,60\n");  // cut short
  writeGame("現");
  const auto before = snapshot();
  SaveLoadScreen& load = open(2);
  type(load, "9");
  load.Command2_Click(1);
  EXPECT_EQ(ui.messages.back(), "ファイルが見つかりません");
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(ctx.confirmResult, 0);
}

TEST_F(SlotFixture, PreviewTakesTheFirstNamedPlayerOfPositionsZeroToFourteen) {
  ctx.playerName = {};
  ctx.playerName[0] = "0";
  ctx.playerName[15] = "十六番";
  SaveLoadScreen& save = open(1);
  type(save, "3");
  save.Command2_Click(1);
  SaveLoadScreen& load = open(2);
  type(load, "3");
  ui.queuedAnswers.push_back(MsgResult::Cancel);
  load.Command2_Click(1);
  EXPECT_EQ(ui.messages.back(), "save3シナリオ 2 195年\r\nこれをロードしますか？") << "position 15 is not looked at";
  EXPECT_FALSE(load.closed);
  EXPECT_EQ(ctx.confirmResult, 0);

  ctx.playerName[9] = "十番";
  ctx.playerName[12] = "十三番";
  SaveLoadScreen& again = open(1);
  type(again, "3");
  again.Command2_Click(1);
  EXPECT_EQ(SaveSlot(game.dir(), "3").readContents()->previewName(), "十番");
}

TEST_F(SlotFixture, TitleScreenContinuesALoadedGameOrStays) {
  test::SyntheticData::install(game);
  SaveLoadScreen& save = open(1);
  type(save, "1");
  save.Command2_Click(1);

  GameContext titleContext(game.dir());
  TitleScreen title(titleContext, ui);
  title.Form_Load();
  ui.onShow("SaveLoadScreen", [](Screen& s) { static_cast<SaveLoadScreen&>(s).Command3_Click(); });
  title.Command1_Click(1);
  EXPECT_FALSE(title.closed) << "back on the load screen keeps the title screen";

  ui.onShow("SaveLoadScreen", [](Screen& s) {
    auto& load = static_cast<SaveLoadScreen&>(s);
    load.Command1_Click(1);
    load.Command2_Click(1);
  });
  title.Command1_Click(1);
  EXPECT_EQ(titleContext.confirmResult, 1);
  EXPECT_EQ(titleContext.slotRecord[0], 195);
  EXPECT_TRUE(title.closed);
}
