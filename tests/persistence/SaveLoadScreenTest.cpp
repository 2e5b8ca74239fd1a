#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "data/DataError.h"
#include "data/FileCache.h"
#include "persistence/SaveLoadScreen.h"
#include "persistence/SaveSlot.h"
#include "setup/TitleScreen.h"
#include "support/GameUi.h"
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
  // The officer and faction files hold the full record set a loaded game of scenario 2 needs.
  void writeGame(const std::string& tag) {
    std::string officers;
    for (int id = 1; id <= 170; ++id) {
      officers += "." + std::to_string(id) + "\n\"" + tag + "武将" + (id > 1 ? std::to_string(id) : "") +
                  "\"\n1,2,3,4\n5,6\n1,5\n\"f\"\n0\n";
    }
    game.writeText("ini/busv.ini", officers);
    std::string factions;
    for (int id = 1; id <= 12; ++id) {
      factions += "." + std::to_string(id) + "\n\"" + tag + "軍" + std::to_string(id) + "\"\n1,1,10,2,3,4,5,6\n\"FALSE\"\n";
    }
    game.writeText("ini/gunsv.ini", factions);
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
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  SaveLoadScreen& s = open(1);
  type(s, "2");
  s.Command2_Click(1);
  EXPECT_EQ(ctx.confirmResult, 1);
  EXPECT_EQ(game.readBytes("save/gunsv2.ini"), game.readBytes("ini/gunsv.ini"));
  EXPECT_TRUE(exists("save/save2.ini"));
}

TEST_F(SlotFixture, FailedCopyIsReportedAndNotCountedAsSaved) {
  std::filesystem::remove(game.root() / "ini/velkaro.log");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
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

TEST_F(SlotFixture, SaveThatFailsHalfWayLeavesTheOldSlotWhole) {
  // An old, complete slot 6, then a save whose log copy cannot be written (a folder stands
  // where its temporary would go): the three copies before it are rolled back.
  SaveLoadScreen& first = open(1);
  type(first, "6");
  first.Command2_Click(1);
  std::map<std::string, std::string> oldSlot;
  for (const char* f : {"save/busv6.ini", "save/gunsv6.ini", "save/Cmtsv6.ini", "save/velkarolog6.log", "save/save6.ini",
                        "save/stamp6.ini"}) {
    oldSlot[f] = game.readBytes(f);
  }
  std::filesystem::create_directories(game.root() / "save/velkarolog6.log.tmp~/blocked");
  writeGame("新");
  SaveLoadScreen& second = open(1);
  type(second, "6");
  second.Command2_Click(1);
  EXPECT_EQ(ctx.confirmResult, 0);
  EXPECT_NE(ui.messages.back().find("velkarolog6.log"), std::string::npos) << ui.messages.back();
  for (const auto& [file, bytes] : oldSlot) EXPECT_EQ(game.readBytes(file), bytes) << file;
  EXPECT_FALSE(exists("save/save6.journal"));
  EXPECT_FALSE(exists("save/busv6.ini.old~"));

  std::filesystem::remove_all(game.root() / "save/velkarolog6.log.tmp~");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  SaveLoadScreen& load = open(2);
  type(load, "6");
  load.Command2_Click(1);
  EXPECT_TRUE(load.closed);
  EXPECT_NE(game.readText("ini/busv.ini").find("今武将"), std::string::npos) << "the old slot loads";
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
    velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
    ui.messages.clear();
    GameContext other(game.dir());
    SaveLoadScreen load(other, ui);
    other.newOrLoaded = 2;
    load.Form_Load();
    type(load, "8");
    load.Command2_Click(1);
    ASSERT_EQ(ui.messages.size(), 1u) << gone;
    EXPECT_EQ(ui.messages[0].rfind("ファイルが見つかりません\r\n", 0), 0u) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("「\\save\\Cmtsv8.ini」"), std::string::npos) << "the first file missing is named";
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
  EXPECT_EQ(ui.messages.back().rfind("ファイルが見つかりません\r\n", 0), 0u);
  EXPECT_NE(ui.messages.back().find("save9.ini"), std::string::npos) << ui.messages.back();
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

namespace {

// Loads slot `digits` on a fresh screen and returns the one message it showed.
std::string refusedLoad(SlotFixture& f, const std::string& digits) {
  f.ui.messages.clear();
  SaveLoadScreen& load = f.open(2);
  f.type(load, digits);
  load.Command2_Click(1);
  EXPECT_FALSE(load.closed) << digits;
  EXPECT_EQ(f.ctx.confirmResult, 0);
  return f.ui.messages.empty() ? "" : f.ui.messages.back();
}

}  // namespace

TEST_F(SlotFixture, SlotMixedFromTwoGamesIsLoadedOnlyAfterTheQuestion) {
  SaveLoadScreen& s1 = open(1);
  type(s1, "1");
  s1.Command2_Click(1);
  writeGame("他");
  SaveLoadScreen& s2 = open(1);
  type(s2, "2");
  s2.Command2_Click(1);
  std::filesystem::copy_file(game.root() / "save/gunsv2.ini", game.root() / "save/gunsv1.ini",
                             std::filesystem::copy_options::overwrite_existing);
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  writeGame("現");
  const auto before = snapshot();
  ui.queuedAnswers.push_back(MsgResult::No);
  const std::string message = refusedLoad(*this, "1");
  EXPECT_EQ(message, "セーブ「save1」のファイルはゲームの外で変更されています（「\\save\\gunsv1.ini」）。\r\nこのままロードしますか？");
  EXPECT_EQ(ui.messages.size(), 1u) << "no load question after No";
  EXPECT_EQ(snapshot(), before);
  // Asked through the core directly, the slot is still refused unless the change was accepted.
  EXPECT_THROW(SaveSlot(game.dir(), "1").restore(), DataError);
  EXPECT_EQ(snapshot(), before);

  // Yes, then OK: the slot loads as it stands, one file from each save.
  ui.messages.clear();
  SaveLoadScreen& accepted = open(2);
  type(accepted, "1");
  accepted.Command2_Click(1);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1], "save1シナリオ 2乙軍4 195年\r\nこれをロードしますか？");
  EXPECT_TRUE(accepted.closed);
  EXPECT_EQ(ctx.confirmResult, 1);
  EXPECT_NE(game.readText("ini/busv.ini").find("今武将"), std::string::npos);
  EXPECT_NE(game.readText("ini/gunsv.ini").find("他軍"), std::string::npos);

  // The same slot without its stamp, as older saves wrote it, loads on its contents alone.
  std::filesystem::remove(game.root() / "save/stamp2.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  ui.messages.clear();
  SaveLoadScreen& load = open(2);
  type(load, "2");
  load.Command2_Click(1);
  EXPECT_TRUE(load.closed);
  EXPECT_EQ(ui.messages.size(), 1u) << "only the load question";
  EXPECT_NE(game.readText("ini/busv.ini").find("他武将"), std::string::npos);
}

// Slots whose files parse but cannot carry a game on: each is refused, naming its file, and
// the running game is not touched.
TEST_F(SlotFixture, BrokenOrOutOfRangeSlotsAreRefusedBeforeAnythingIsReplaced) {
  struct Case {
    const char* what;
    const char* file;
    std::string text;
  };
  std::string cutOfficers;
  for (int id = 1; id <= 100; ++id) cutOfficers += "." + std::to_string(id) + "\n\"某\"\n1,2,3,4\n5,6\n1,5\n\"f\"\n0\n";
  const std::string players = std::string(16 * 3, '\n');
  auto slotText = [](const std::string& entries, const std::string& faction) {
    std::string t = "同盟結束力\n" + entries + "\n";
    for (int i = 0; i < 16; ++i) t += "名\n0\n" + (i == 0 ? faction : std::string("0")) + ",0\n";
    return t;
  };
  const std::vector<Case> cases = {
      {"empty officer file", "busv3.ini", ""},
      {"officer file cut at a record boundary", "busv3.ini", cutOfficers},
      {"faction with letters", "gunsv3.ini", ".1\n\"軍\"\n1,x,10,2,3,4,5,6\n\"FALSE\"\n"},
      {"slot file of three lines", "save3.ini", "同盟結束力\n195,80,60,40,2,9\n名\n"},
      {"year -5", "save3.ini", slotText("-5,80,60,40,2,9", "1")},
      {"year 32767", "save3.ini", slotText("32767,80,60,40,2,9", "1")},
      {"scenario 0", "save3.ini", slotText("195,80,60,40,0,9", "1")},
      {"scenario 9", "save3.ini", slotText("195,80,60,40,9,9", "1")},
      {"player faction 99", "save3.ini", slotText("195,80,60,40,2,9", "99")},
  };
  for (const Case& c : cases) {
    SaveLoadScreen& save = open(1);
    type(save, "3");
    save.Command2_Click(1);
    std::filesystem::remove(game.root() / "save/stamp3.ini");  // judged on contents, as an old slot
    velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
    game.writeText(std::string("save/") + c.file, c.text);
    const auto before = snapshot();
    const std::string message = refusedLoad(*this, "3");
    EXPECT_NE(message.find(c.file), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(snapshot(), before) << c.what;
  }
}

TEST_F(SlotFixture, FolderInPlaceOfASlotFileIsNamedAsSuch) {
  SaveLoadScreen& save = open(1);
  type(save, "4");
  save.Command2_Click(1);
  std::filesystem::remove(game.root() / "save/busv4.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  std::filesystem::create_directories(game.root() / "save/busv4.ini");
  const std::string message = refusedLoad(*this, "4");
  EXPECT_NE(message.find("「\\save\\busv4.ini」はファイルではありません"), std::string::npos) << message;
}

namespace {

// Replaces the first `from` in a slot file of CP932 text.
void edit(const TempGameDir& game, const std::string& file, const std::string& from, const std::string& to) {
  std::string text = game.readText(file);
  const auto at = text.find(from);
  ASSERT_NE(at, std::string::npos) << file << ": " << from;
  text.replace(at, from.size(), to);
  game.writeBytes(file, *Codec::toCp932(text));
}

}  // namespace

// Slots saved by the game and then edited by hand, each in a way a game cannot go on from: the
// refusal names the file and what is wrong with it, not the stamp, and nothing is asked.
TEST_F(SlotFixture, HandEditedSlotsAreRefusedWithTheirOwnReason) {
  struct Case {
    const char* what;
    const char* file;
    std::function<void()> breakIt;
    const char* reason;
  };
  const std::vector<Case> cases = {
      {"year -5", "save3.ini", [&] { edit(game, "save/save3.ini", "\r\n195,", "\r\n-5,"); }, "年-5はシナリオ2の"},
      {"scenario 9", "save3.ini", [&] { edit(game, "save/save3.ini", ",40,2,9\r\n", ",40,9,9\r\n"); },
       "シナリオ番号9は1〜6の範囲外です"},
      {"player ruler 999", "save3.ini", [&] { edit(game, "save/save3.ini", "\r\n31\r\n", "\r\n999\r\n"); },
       "プレイヤー3の君主999は0〜170の範囲外です"},
      {"ability of 40", "busv3.ini", [&] { edit(game, "save/busv3.ini", "\r\n1,2,3,4\r\n", "\r\n1,40,3,4\r\n"); },
       "記録 .1 の武勇 40 は 1〜10 の範囲外です"},
      {"ability of 0", "busv3.ini", [&] { edit(game, "save/busv3.ini", "\r\n5,6\r\n", "\r\n5,0\r\n"); },
       "記録 .1 の節度 0 は 1〜10 の範囲外です"},
      {"post 7", "busv3.ini", [&] { edit(game, "save/busv3.ini", "\r\n1,5\r\n", "\r\n1,7\r\n"); },
       "記録 .1 の職業 7 は 0〜6 の範囲外です"},
      {"truncated officer file", "busv3.ini",
       [&] {
         const std::string bytes = game.readBytes("save/busv3.ini");
         const auto record = bytes.find("\r\n.100\r\n");
         game.writeBytes("save/busv3.ini", bytes.substr(0, bytes.find("\r\n", record + 8) + 2));  // header and name
       },
       "記録 .100 が途中で終わっています"},
      {"name that is not CP932", "busv3.ini",
       [&] {
         std::string bytes = game.readBytes("save/busv3.ini");
         bytes.replace(bytes.find('"') + 1, 2, "\x81\x7f");
         game.writeBytes("save/busv3.ini", bytes);
       },
       "文字コードが正しくありません（2行目にCP932として読めないバイトがあります）"},
      {"order of 150", "gunsv3.ini", [&] { edit(game, "save/gunsv3.ini", "1,1,10,2,3,4,5,6", "1,1,10,2,3,150,5,6"); },
       "記録 .1 の治安 150 は 0〜100 の範囲外です"},
      {"troops past 16 bits", "gunsv3.ini", [&] { edit(game, "save/gunsv3.ini", "1,1,10,2,3,4,5,6", "1,1,99999,2,3,4,5,6"); },
       "記録 .1 の兵力 99999 は 0〜32767 の範囲外です"},
      {"ruler 171", "gunsv3.ini", [&] { edit(game, "save/gunsv3.ini", "1,1,10,2,3,4,5,6", "1,171,10,2,3,4,5,6"); },
       "記録 .1 の君主 171 は 0〜170 の範囲外です"},
      {"destroyed flag of a word", "gunsv3.ini", [&] { edit(game, "save/gunsv3.ini", "\"FALSE\"", "\"はい\""); },
       "記録 .1 の滅亡の印「はい」は「TRUE」「FALSE」「false」のどれでもありません"},
      {"log that is not CP932", "velkarolog3.log",
       [&] { game.writeBytes("save/velkarolog3.log", game.readBytes("save/velkarolog3.log") + "\x81\x7f"); },
       "6行目にCP932として読めないバイトがあります"},
  };
  for (const Case& c : cases) {
    SaveLoadScreen& save = open(1);
    type(save, "3");
    save.Command2_Click(1);
    c.breakIt();
    const auto before = snapshot();
    const std::string message = refusedLoad(*this, "3");
    EXPECT_EQ(ui.messages.size(), 1u) << c.what << ": a broken slot is refused without a question";
    EXPECT_EQ(message.rfind("ファイルが見つかりません\r\n", 0), 0u) << c.what << ": " << message;
    EXPECT_NE(message.find(std::string("「\\save\\") + c.file + "」"), std::string::npos) << c.what << ": " << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(message.find("揃っていません"), std::string::npos) << c.what << ": " << message;
    EXPECT_EQ(snapshot(), before) << c.what;
  }
}

// An edit that leaves every value sound (a renamed officer) loads, once the player has said
// that the changed files are wanted; a No replaces nothing.
TEST_F(SlotFixture, HarmlessEditAsksAndLoadsOnYes) {
  SaveLoadScreen& save = open(1);
  type(save, "5");
  save.Command2_Click(1);
  edit(game, "save/busv5.ini", "今武将5", "改名5");
  writeGame("現");
  const auto before = snapshot();

  std::vector<MsgStyle> styles;
  ui.policy = [&](const std::string&, MsgStyle style) {
    styles.push_back(style);
    return style == MsgStyle::YesNo ? MsgResult::No : MsgResult::Ok;
  };
  const std::string question = refusedLoad(*this, "5");
  EXPECT_EQ(question, "セーブ「save5」のファイルはゲームの外で変更されています（「\\save\\busv5.ini」）。\r\nこのままロードしますか？");
  EXPECT_EQ(styles, std::vector<MsgStyle>{MsgStyle::YesNo});
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(ctx.OFFICER_MAX, 155) << "no value was taken from the slot";

  styles.clear();
  ui.policy = [&](const std::string&, MsgStyle style) {
    styles.push_back(style);
    return style == MsgStyle::YesNo ? MsgResult::Yes : MsgResult::Ok;
  };
  ui.messages.clear();
  SaveLoadScreen& load = open(2);
  type(load, "5");
  load.Command2_Click(1);
  EXPECT_EQ(styles, (std::vector<MsgStyle>{MsgStyle::YesNo, MsgStyle::OkCancel}));
  EXPECT_TRUE(load.closed);
  EXPECT_EQ(ctx.confirmResult, 1);
  EXPECT_EQ(ctx.slotRecord[0], 195);
  EXPECT_EQ(game.readBytes("ini/busv.ini"), game.readBytes("save/busv5.ini"));
  EXPECT_NE(game.readText("ini/busv.ini").find("改名5"), std::string::npos);
  EXPECT_FALSE(exists("save/load.journal"));

  // Yes to the changed files and Cancel to the load question still replaces nothing.
  writeGame("後");
  const auto later = snapshot();
  ui.policy = [](const std::string&, MsgStyle style) { return style == MsgStyle::YesNo ? MsgResult::Yes : MsgResult::Cancel; };
  refusedLoad(*this, "5");
  EXPECT_EQ(snapshot(), later);
}
