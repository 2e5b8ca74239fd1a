#include <gtest/gtest.h>

#include <filesystem>

#include "support/GameUi.h"
#include "data/Codec.h"
#include "editors/OfficerEditor.h"
#include "editors/OfficerRecordFile.h"
#include "screens/OfficerStatus.h"
#include "support/Records.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using namespace velkaro::test;

namespace {

std::string cp932(const std::string& lf) {
  std::string crlf;
  for (char c : lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return *Codec::toCp932(crlf);
}

// The running game: 満寵 has left his first lord for ruler 30 and got comment 161.
const OfficerRec kManchou{4, "満寵", 7, 4, 6, 5, 5, 6, 30, 1, "manchou", 161};
const OfficerRec kManchouMaster{4, "満寵", 7, 4, 6, 5, 5, 6, 1, 1, "manchou", 4};
const OfficerRec kManchouBackup{4, "満寵", 3, 3, 3, 3, 3, 3, 1, 2, "manchou", 4};
const OfficerRec kFictional{165, "架空人", 4, 4, 4, 4, 4, 4, 30, 2, "zouhyou2", 200};

struct EditorFixture : ::testing::Test {
  EditorFixture() : ctx(game.dir()) {
    ctx.scenario = 4;  // shares scenario 1's master
    ctx.OFFICER_MAX = 170;
    const std::string head = officerText({1, "曹操", 8, 7, 9, 9, 9, 6, 1, 5}) + officerText({2, "荀彧", 9, 2, 9, 6, 7, 8, 1, 6});
    const std::string tail = officerText({5, "劉備", 6, 6, 6, 6, 10, 7, 5, 5});
    game.writeText("ini/busv.ini", head + officerText(kManchou) + tail + officerText(kFictional));
    game.writeText("ini/Bushou1.ini", head + officerText(kManchouMaster) + tail);
    game.writeText("ini/BUSHOU1_BK.ini", head + officerText(kManchouBackup) + tail);
    game.writeText("ini/Cmtsv.ini", ".161\n満寵\n智勇兼備の士。\n.\n");
  }
  OfficerEditor& open(const OfficerRec& r) {
    officer = OfficerRecordFile::readOfficer(game.dir(), r.id, "\\ini\\busv.ini", 170);
    editor = std::make_unique<OfficerEditor>(ctx, ui);
    editor->setBushou(officer);
    editor->Form_Load();
    return *editor;
  }
  std::string busv() const { return game.readBytes("ini/busv.ini"); }
  std::string master() const { return game.readBytes("ini/Bushou1.ini"); }
  // The file as before, with one record's text replaced by another.
  static std::string replaced(std::string file, const OfficerRec& from, const std::string& toLf) {
    const std::string old = cp932(officerText(from));
    const auto at = file.find(old);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) file.replace(at, old.size(), cp932(toLf));
    return file;
  }

  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
  Bushou officer;
  std::unique_ptr<OfficerEditor> editor;
};

}  // namespace

TEST_F(EditorFixture, ShowsTheBoxesOfThePost) {
  OfficerEditor& e = open(kManchou);
  EXPECT_EQ(e.caption, "武将の説明");
  EXPECT_EQ(e.Name_lab.caption, "満寵");
  ASSERT_EQ(e.cmbJob.listCount(), 6);
  EXPECT_EQ(e.cmbJob.text(5), "軍師");
  EXPECT_EQ(e.selectedJob(), 1);
  EXPECT_TRUE(e.Skl_Lab[0].visible);
  EXPECT_FALSE(e.Skl_Lab[1].visible) << "文官 shows one box";
  EXPECT_EQ(e.Skl_Kind[0].caption, "政治");
  EXPECT_EQ(e.Skl_Lab[0].text, "7");
  EXPECT_EQ(e.Fix_Kind[0].caption, "器量");
  EXPECT_EQ(e.Fix_Lab[1].text, "6");

  e.Skl_Lab[0].text = "9";  // typed, then the post changes: the boxes show the stored values
  e.cmbJob.listIndex = 4;
  e.cmbJob_Click();
  for (std::size_t k = 0; k < 4; ++k) EXPECT_TRUE(e.Skl_Lab[k].visible);
  EXPECT_EQ(e.Skl_Kind[3].caption, "采配");
  EXPECT_EQ(e.Skl_Lab[0].text, "7");
  EXPECT_EQ(e.Skl_Lab[1].text, "4");
  EXPECT_EQ(e.Skl_Lab[3].text, "5");
}

TEST_F(EditorFixture, OutOfRangeOrNonNumericInputIsRefused) {
  const std::string before = busv();
  const std::string masterBefore = master();
  OfficerEditor& e = open(kManchou);
  for (const char* bad : {"11", "0", "abc", "", "0.4", "10.5", "-3"}) {
    ui.messages.clear();
    e.Fix_Lab[0].text = bad;
    e.cmdEdit_Click();
    ASSERT_EQ(ui.messages.size(), 1u) << bad;
    EXPECT_EQ(ui.messages[0], "能力値は1以上10以下にして下さい") << bad;
  }
  e.Fix_Lab[0].text = "5";
  e.Skl_Lab[0].text = "11";
  e.cmdEdit_Click();
  EXPECT_EQ(ui.messages.back(), "能力値は1以上10以下にして下さい") << "a job box is checked too";
  e.Skl_Lab[0].text = "7";
  e.Skl_Lab[2].text = "99";  // hidden for 文官: not read
  ui.queuedAnswers.push_back(MsgResult::Cancel);
  e.cmdEdit_Click();
  EXPECT_EQ(ui.messages.back(), "編集した内容を登録しますか？");
  EXPECT_EQ(busv(), before);
  EXPECT_EQ(master(), masterBefore);
  EXPECT_FALSE(std::filesystem::exists(game.root() / "ini/buimg.ini"));
  EXPECT_EQ(officer.charm, 5);
}

TEST_F(EditorFixture, NewPostIsStoredInBothFilesAndNothingElseChanges) {
  const std::string before = busv();
  const std::string masterBefore = master();
  OfficerEditor& e = open(kManchou);
  e.cmbJob.listIndex = 4;  // 君主
  e.cmbJob_Click();
  e.Skl_Lab[0].text = "8";
  e.Skl_Lab[1].text = "5.5";  // halves to even: 6
  e.Skl_Lab[2].text = "4.5";  // 4
  e.Skl_Lab[3].text = "１０";  // full-width digits
  e.Fix_Lab[0].text = "9";
  e.Fix_Lab[1].text = " 2 ";
  e.cmdEdit_Click();
  EXPECT_EQ(ui.messages.back(), "登録しました。");
  EXPECT_FALSE(e.closed) << "the editor stays open";

  EXPECT_EQ(busv(), replaced(before, kManchou, ".4\n満寵\n8,6,4,10\n9,2\n30,5\nmanchou\n161\n"))
      << "name and portrait bare, every other byte as before";
  EXPECT_EQ(master(), replaced(masterBefore, kManchouMaster, ".4\n満寵\n8,6,4,10\n9,2\n1,5\nmanchou\n4\n"))
      << "the master keeps its own lord and comment number";
  EXPECT_EQ(officer.Job, 5);
  EXPECT_EQ(officer.fight, 6);
  EXPECT_EQ(officer.Setu, 2);
  EXPECT_EQ(officer.kunID, 30);
}

TEST_F(EditorFixture, FictionalOfficerLeavesTheMasterAsItWas) {
  const std::string masterBefore = master();
  OfficerEditor& e = open(kFictional);
  e.Skl_Lab[0].text = "7";
  e.cmdEdit_Click();
  EXPECT_EQ(master(), masterBefore);
  const std::string record = cp932(".165\n架空人\n4,7,4,4\n4,4\n30,2\nzouhyou2\n200\n");
  EXPECT_TRUE(busv().ends_with(record));
}

TEST_F(EditorFixture, DefaultShowsTheBackupWithoutWriting) {
  const std::string before = busv();
  const std::string masterBefore = master();
  OfficerEditor& e = open(kManchou);
  e.cmdInit_Click();
  EXPECT_EQ(e.selectedJob(), 2);
  EXPECT_EQ(e.Skl_Kind[0].caption, "武勇");
  EXPECT_EQ(e.Skl_Lab[0].text, "3");
  EXPECT_EQ(e.Fix_Lab[0].text, "3");
  EXPECT_EQ(busv(), before);
  EXPECT_EQ(master(), masterBefore);
  EXPECT_EQ(officer.Job, 1) << "nothing changes until OK";

  e.cmdEdit_Click();
  EXPECT_EQ(busv(), replaced(before, kManchou, ".4\n満寵\n3,3,3,3\n3,3\n30,2\nmanchou\n161\n"))
      << "the backup's post and abilities, the game's lord and comment";

  OfficerEditor& fictional = open(kFictional);
  fictional.cmdInit_Click();
  EXPECT_EQ(ui.messages.back(), "この武将には初期データがありません");
  EXPECT_EQ(fictional.Skl_Lab[0].text, "4");
}

TEST_F(EditorFixture, StatusScreenShowsTheEditWhenTheEditorCloses) {
  ctx.selectedOfficer = 4;
  OfficerStatus status(ctx, ui);
  status.Form_Load();
  ui.onShow("OfficerEditor", [](Screen& s) {
    auto& e = static_cast<OfficerEditor&>(s);
    e.Skl_Lab[0].text = "10";
    e.cmdEdit_Click();
    e.Command1_Click();
  });
  status.cmdEdit_Click();
  EXPECT_EQ(status.Skl_Lab[1].caption, "10");
}

TEST(OfficerRecordFileTest, RewriteWithoutAMatchAndShortRecords) {
  TempGameDir game;
  const std::string file = cp932(officerText({1, "甲", 1, 1, 1, 1, 1, 1, 1, 1}) + ".2\n\"乙\"\n2,2,2,2\n" +
                                 officerText({3, "丙", 3, 3, 3, 3, 3, 3, 3, 3}));
  game.writeBytes("ini/busv.ini", file);
  Bushou nobody;
  nobody.id = 9;
  OfficerRecordFile::rewriteOfficer(game.dir(), nobody, "\\ini\\busv.ini");
  EXPECT_EQ(game.readBytes("ini/busv.ini"), file);
  EXPECT_EQ(game.readBytes("ini/buimg.ini"), file) << "the scratch copy";

  Bushou second;
  second.id = 2;
  second.name = "乙";
  OfficerRecordFile::rewriteOfficer(game.dir(), second, "\\ini\\busv.ini");
  EXPECT_NE(game.readText("ini/busv.ini").find("\r\n.2\r\n乙\r\n1,1,0,0\r\n0,0\r\n0,0\r\n\"\"\r\n0\r\n.3\r\n\"丙\""),
            std::string::npos)
      << "a record cut short does not take the next one with it; an empty portrait stays an item";

  EXPECT_EQ(OfficerRecordFile::readOfficer(game.dir(), 3, "\\ini\\busv.ini", 2).name, "何某") << "not beyond officerMax";
  EXPECT_EQ(OfficerRecordFile::readOfficer(game.dir(), 3, "\\ini\\busv.ini", 170).tactics, 3);

  Bushou emoji = second;
  emoji.name = "乙😀";
  EXPECT_THROW(OfficerRecordFile::rewriteOfficer(game.dir(), emoji, "\\ini\\busv.ini"), std::runtime_error);
}
