#include <gtest/gtest.h>

#include <filesystem>

#include "support/GameUi.h"
#include "data/Codec.h"
#include "editors/CommentEditor.h"
#include "editors/OfficerRecordFile.h"
#include "screens/OfficerStatus.h"
#include "support/Records.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using namespace velkaro::test;

namespace {

std::string comments(int last) {
  std::string text;
  for (int i = 1; i <= last; ++i) text += "." + std::to_string(i) + "\n武将" + std::to_string(i) + "\n評伝" + std::to_string(i) + "\n";
  return text;
}

std::string cp932(const std::string& lf) {
  std::string crlf;
  for (char c : lf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return *Codec::toCp932(crlf);
}

struct CommentFixture : ::testing::Test {
  CommentFixture() : ctx(game.dir()) {
    ctx.OFFICER_MAX = 170;
    game.writeText("ini/busv.ini", officerText({12, "武将12", 5, 5, 5, 5, 5, 5, 1, 2, "f12", 12}) +
                                       officerText({13, "武将13", 5, 5, 5, 5, 5, 5, 1, 2, "f13", 13}) +
                                       officerText({160, "架空", 5, 5, 5, 5, 5, 5, 1, 2, "f160", 200}) +
                                       officerText({161, "新参", 5, 5, 5, 5, 5, 5, 1, 2, "f161", 0}));
    setComments(comments(150));
  }
  void setComments(const std::string& lf) { game.writeText("ini/Cmtsv.ini", lf); }
  std::string cmtsv() const { return game.readBytes("ini/Cmtsv.ini"); }
  std::string busv() const { return game.readBytes("ini/busv.ini"); }
  // Saves the comment for officer `id` as the editor does on "決定".
  CommentEditor& edit(int id, const std::string& text) {
    officers[id] = OfficerRecordFile::readOfficer(game.dir(), id, "\\ini\\busv.ini", 170);
    ctx.sharedText = officers[id].name;
    editor = std::make_unique<CommentEditor>(ctx, ui);
    editor->setBushou(officers[id]);
    editor->Form_Load();
    editor->Txt_cmt.text = text;
    editor->Command1_Click(1);
    return *editor;
  }
  std::string shownComment(int id) {
    ctx.selectedOfficer = static_cast<int16>(id);
    OfficerStatus status(ctx, ui);
    status.Form_Load();
    return status.Lab_cmt.caption;
  }

  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
  std::map<int, Bushou> officers;
  std::unique_ptr<CommentEditor> editor;
};

}  // namespace

TEST_F(CommentFixture, ExistingRecordIsReplacedAlone) {
  const std::string before = cmtsv();
  const std::string busvBefore = busv();
  CommentEditor& e = edit(12, "新しい評伝。\n二行目");
  EXPECT_EQ(e.caption, "武将のコメントエディタ");
  EXPECT_EQ(e.Name_lab.caption, "武将12");
  EXPECT_TRUE(e.closed);
  EXPECT_TRUE(e.stored());
  std::string expected = before;
  const std::string old = cp932(".12\n武将12\n評伝12\n");
  expected.replace(expected.find(old), old.size(), cp932(".12\n武将12\n新しい評伝。\n二行目\n.\n"));
  EXPECT_EQ(cmtsv(), expected);
  EXPECT_EQ(busv(), busvBefore) << "the officer keeps his number";
  EXPECT_EQ(game.readBytes("ini/Cmtimg.ini"), before) << "the scratch copy";
  EXPECT_EQ(shownComment(12), "  新しい評伝。\r\n  二行目\r\n");
  EXPECT_EQ(shownComment(13), "  評伝13\r\n");
}

TEST_F(CommentFixture, FictionalOfficerGetsTheNextNumber) {
  edit(160, "実は名将。");
  EXPECT_EQ(officers[160].commentID, 151);
  EXPECT_EQ(OfficerRecordFile::readOfficer(game.dir(), 160, "\\ini\\busv.ini", 170).commentID, 151);
  const std::string text = *Codec::toUtf8(cmtsv());
  EXPECT_TRUE(text.ends_with("\r\n評伝150\r\n.151\r\n架空\r\n実は名将。\r\n.\r\n"));
  EXPECT_EQ(shownComment(160), "  実は名将。\r\n");
}

TEST_F(CommentFixture, EditingTwiceKeepsOneRecordPerNumber) {
  edit(160, "一度目");
  edit(160, "二度目");
  edit(161, "新参の評");
  const std::string text = *Codec::toUtf8(cmtsv());
  EXPECT_EQ(text.find(".151\r\n"), text.rfind(".151\r\n")) << "one record 151";
  EXPECT_EQ(text.find("一度目"), std::string::npos);
  EXPECT_TRUE(text.ends_with(".151\r\n架空\r\n二度目\r\n.152\r\n新参\r\n新参の評\r\n.\r\n"))
      << "the terminator line is no record number; other records lose theirs";
  EXPECT_EQ(officers[161].commentID, 152);
}

TEST_F(CommentFixture, NumberTwoHundredIsNeverHandedOut) {
  setComments(comments(199));
  edit(161, "二百は飛ばす");
  EXPECT_EQ(officers[161].commentID, 201);
  EXPECT_TRUE(Codec::toUtf8(cmtsv())->ends_with(".201\r\n新参\r\n二百は飛ばす\r\n.\r\n"));

  // A record 200 and the bare terminators are dropped; 200 still counts as the last number.
  setComments(comments(3) + ".\n.200\n架空\n消える\n.0\nゼロ\n");
  edit(12, "十二");
  EXPECT_EQ(*Codec::toUtf8(cmtsv()), std::string(".1\r\n武将1\r\n評伝1\r\n.2\r\n武将2\r\n評伝2\r\n.3\r\n武将3\r\n評伝3\r\n") +
                                          ".201\r\n武将12\r\n十二\r\n.\r\n");
  EXPECT_EQ(officers[12].commentID, 201);
}

TEST_F(CommentFixture, NumberBeyondThreeDigitsIsRefused) {
  setComments(comments(3) + ".999\n末尾\n最後\n");
  const std::string before = cmtsv();
  const std::string busvBefore = busv();
  CommentEditor& e = edit(161, "入らない");
  EXPECT_EQ(ui.messages.back(), "コメント番号が999に達しているため、新しいコメントを作れません。");
  EXPECT_FALSE(e.closed);
  EXPECT_FALSE(e.stored());
  EXPECT_EQ(cmtsv(), before);
  EXPECT_EQ(busv(), busvBefore);
  EXPECT_EQ(officers[161].commentID, 0);
}

TEST_F(CommentFixture, LeadingFullStopsReadBackAsWritten) {
  edit(12, ".始まりの点\n普通,.点の後\n  \".引用\"\n1.5倍");
  EXPECT_EQ(shownComment(12), "  ．始まりの点\r\n  普通\r\n  ．点の後\r\n  ．引用\r\n  1.5倍\r\n");
  EXPECT_EQ(shownComment(13), "  評伝13\r\n") << "no forged header cuts into the next record";
  edit(13, "次");
  EXPECT_NE(Codec::toUtf8(cmtsv())->find(".12\r\n武将12\r\n．始まりの点\r\n普通,．点の後\r\n  \"．引用\"\r\n1.5倍\r\n.13\r\n"),
            std::string::npos)
      << "a second save keeps record 12 whole";
}

TEST_F(CommentFixture, TextCp932CannotHoldIsRefused) {
  const std::string before = cmtsv();
  const std::string busvBefore = busv();
  CommentEditor& e = edit(161, "笑顔😀です");
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back(), "「😀」はコメントに使えない文字です。別の文字に書き換えてください。");
  EXPECT_FALSE(e.closed);
  EXPECT_EQ(cmtsv(), before);
  EXPECT_EQ(busv(), busvBefore);
  EXPECT_FALSE(std::filesystem::exists(game.root() / "ini/Cmtimg.ini"));
}

TEST_F(CommentFixture, BackLeavesBothFilesUntouched) {
  const std::string before = cmtsv();
  const std::string busvBefore = busv();
  officers[160] = OfficerRecordFile::readOfficer(game.dir(), 160, "\\ini\\busv.ini", 170);
  CommentEditor e(ctx, ui);
  e.setBushou(officers[160]);
  e.Form_Load();
  e.Txt_cmt.text = "書きかけ";
  e.Command1_Click(0);
  EXPECT_TRUE(e.closed);
  EXPECT_FALSE(e.stored());
  EXPECT_EQ(cmtsv(), before);
  EXPECT_EQ(busv(), busvBefore);
  EXPECT_FALSE(std::filesystem::exists(game.root() / "ini/Cmtimg.ini"));
}

TEST_F(CommentFixture, StatusScreenOpensTheEditorWithItsComment) {
  ctx.selectedOfficer = 12;
  OfficerStatus status(ctx, ui);
  status.Form_Load();
  ctx.confirmResult = 5;
  std::string filled;
  ui.onShow("CommentEditor", [&](Screen& s) {
    auto& e = static_cast<CommentEditor&>(s);
    filled = e.Txt_cmt.text;
    EXPECT_EQ(e.Name_lab.caption, "武将12");
    EXPECT_EQ(s.context().confirmResult, 0);
    e.Txt_cmt.text = "書き直し";
    e.Command1_Click(1);
  });
  status.Lab_cmt_Click();
  EXPECT_EQ(filled, "  評伝12\r\n");
  EXPECT_EQ(status.Lab_cmt.caption, "書き直し");
  status.cmdEdit_Click();  // the officer editor redraws without losing the new comment
  EXPECT_EQ(status.Lab_cmt.caption, "書き直し");
  EXPECT_EQ(shownComment(12), "  書き直し\r\n");
}

TEST_F(CommentFixture, EmptyLinesStayEmptyLinesWhenShownAndSavedAgain) {
  edit(12, "一行目\n\n三行目\n\n\n六行目");
  const std::string shown = "  一行目\r\n\r\n  三行目\r\n\r\n\r\n  六行目\r\n";
  EXPECT_EQ(shownComment(12), shown);
  // The status screen hands the shown text to the editor; storing it unchanged keeps every line.
  edit(12, shown);
  EXPECT_EQ(shownComment(12), shown);
  EXPECT_EQ(shownComment(13), "  評伝13\r\n") << "the next record is untouched";
}
