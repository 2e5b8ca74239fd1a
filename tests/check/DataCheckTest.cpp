#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "check/CheckCommand.h"
#include "check/DataCheck.h"
#include "check/TemplateCheck.h"
#include "data/Codec.h"
#include "support/SyntheticData.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << "the test data lacks: " << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string withoutRecord(std::string text, const std::string& header, const std::string& nextHeader) {
  const auto from = text.find(header);
  const auto to = text.find(nextHeader);
  EXPECT_TRUE(from != std::string::npos && to != std::string::npos && from < to) << header;
  if (from != std::string::npos && to != std::string::npos && from < to) text.erase(from, to - from);
  return text;
}

std::string templates(int count) {
  std::string text;
  for (int n = 1; n <= count; ++n) text += "." + std::to_string(n) + "\n文" + std::to_string(n) + "\n+\n*\n.\n..\n";
  return text;
}

struct CheckFixture : ::testing::Test {
  CheckFixture() { SyntheticData::install(game); }

  // The problem lines, one per line, so that a failing comparison prints readable text.
  std::string problems() const {
    std::string out;
    for (const std::string& line : DataCheck(game.dir()).run().lines()) out += line + "\n";
    return out;
  }

  // An officer master is written with its backup, so that only the fault under test remains.
  void writeMaster(const std::string& master, const std::string& backup, const std::string& text) const {
    game.writeText("ini/" + master, text);
    game.writeText("ini/" + backup, text);
  }
  static std::string scenarioOne() { return SyntheticData::officerMaster(155, 13, "甲"); }

  TempGameDir game;
};

}  // namespace

TEST_F(CheckFixture, SoundSyntheticFolderPassesAndTheCommandExitsWithZero) {
  const CheckReport report = DataCheck(game.dir()).run();
  EXPECT_TRUE(report.sound()) << problems();
  EXPECT_EQ(report.filesChecked(), 14);

  // The game's own state files beside the masters are read too, and pass when sound.
  game.writeText("ini/busv.ini", scenarioOne());
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(CheckCommand::run({game.root().string()}, out, err), CheckCommand::kSound);
  EXPECT_EQ(out.str(), "問題はありません（15 ファイルを確認しました）\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(CheckFixture, CommandLineFailsOnProblemsAndOnMisuse) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(CheckCommand::run({}, out, err), CheckCommand::kUsage);
  EXPECT_EQ(CheckCommand::run({"a", "b"}, out, err), CheckCommand::kUsage);
  EXPECT_EQ(out.str(), "");

  std::filesystem::remove(game.root() / "ini" / "mei.ini");
  EXPECT_EQ(CheckCommand::run({game.root().string()}, out, err), CheckCommand::kProblems);
  EXPECT_EQ(out.str(), "\\ini\\mei.ini: ファイルがありません\n問題が 1 件あります（13 ファイルを確認しました）\n");

  TempGameDir empty;
  std::filesystem::remove_all(empty.root() / "ini");
  std::ostringstream none;
  EXPECT_EQ(CheckCommand::run({empty.root().string()}, none, err), CheckCommand::kProblems);
  EXPECT_EQ(none.str(), "\\ini: フォルダがありません\n問題が 1 件あります（0 ファイルを確認しました）\n");
}

TEST_F(CheckFixture, MissingRulerIsReportedInBothMasters) {
  writeMaster("Bushou1.ini", "BUSHOU1_BK.ini", withoutRecord(scenarioOne(), ".11\n", ".12\n"));
  EXPECT_EQ(problems(),
            "\\ini\\Bushou1.ini: 記録 .11 がありません\n"
            "\\ini\\Gunbatu1.ini .2: 君主 11 の記録が \\ini\\Bushou1.ini にありません\n");
}

TEST_F(CheckFixture, AbilitiesJobsAndCommentNumbersOutOfRange) {
  std::string master = scenarioOne();
  master = replaced(master, ".12\n\"甲武将12\"\n3,6,8,10\n", ".12\n\"甲武将12\"\n3,11,8,10\n");
  master = replaced(master, "\"face13\"\n13\n", "\"face13\"\n180\n");
  master = replaced(master, "\"face14\"\n14\n", "\"face14\"\n200\n");
  master = replaced(master, "8,10\n11,4\n", "0,10\n11,7\n");  // officer 15: 器量 0, 職業 7
  master = replaced(master, ".16\n\"甲武将16\"\n7,10,2,4\n", ".16\n\"甲武将16\"\n7,x,2,4.5\n");
  writeMaster("Bushou1.ini", "BUSHOU1_BK.ini", master);
  EXPECT_EQ(problems(),
            "\\ini\\Bushou1.ini .12: 武勇 11 は 1〜10 の範囲外です\n"
            "\\ini\\Bushou1.ini .13: コメント番号 180 の記録が \\ini\\Comment.ini にありません\n"
            "\\ini\\Bushou1.ini .14: コメント番号 200 は架空の武将の印です（マスターの武将には使えません）\n"
            "\\ini\\Bushou1.ini .15: 器量 0 は 1〜10 の範囲外です\n"
            "\\ini\\Bushou1.ini .15: 職業 7 は 1〜6 の範囲外です\n"
            "\\ini\\Bushou1.ini .16: 武勇「x」は整数ではありません\n"
            "\\ini\\Bushou1.ini .16: 采配「4.5」は整数ではありません\n");
}

TEST_F(CheckFixture, RulersAndAlliancesMustAgreeBetweenTheMasters) {
  std::string officers = scenarioOne();
  officers = replaced(officers, "11,1\n\"face12\"", "11,5\n\"face12\"");  // a second 君主 who rules nothing
  officers = replaced(officers, "11,2\n\"face13\"", "12,2\n\"face13\"");  // serves a non-ruler
  officers = replaced(officers, "21,5\n\"face21\"", "21,4\n\"face21\"");  // faction 3's ruler lost his post
  writeMaster("Bushou1.ini", "BUSHOU1_BK.ini", officers);

  std::string factions = SyntheticData::factionMaster(13, "甲");
  factions = replaced(factions, "\n1,31,", "\n31,31,");  // a fourth alliance leader (faction 4)
  factions = replaced(factions, "\n0,71,", "\n41,71,");  // follows a faction that leads nothing
  factions = replaced(factions, "\n0,81,47,11,50,60,70,40\n\"FALSE\"", "\n0,81,47,11,50,160,70,40\n\"True\"");
  game.writeText("ini/Gunbatu1.ini", factions);

  EXPECT_EQ(problems(),
            "\\ini\\Bushou1.ini .12: 職業が君主（5）ですが、\\ini\\Gunbatu1.ini のどの軍閥の君主でもありません\n"
            "\\ini\\Bushou1.ini .13: 仕える君主 12 は \\ini\\Gunbatu1.ini のどの軍閥の君主でもありません（0 か、君主の番号にします）\n"
            "\\ini\\Gunbatu1.ini .9: 治安 160 は 0〜100 の範囲外です\n"
            "\\ini\\Gunbatu1.ini .9: 滅亡の印「True」は「TRUE」「FALSE」「false」のどれでもありません\n"
            "\\ini\\Gunbatu1.ini: 同盟の盟主が 4 軍閥あります（.1・.2・.3・.4。3 つまでです）\n"
            "\\ini\\Gunbatu1.ini .8: 盟主 41 は同盟を率いる軍閥の君主ではありません（0 か、盟主の軍閥の君主の番号にします）\n"
            "\\ini\\Gunbatu1.ini .3: 君主 21（甲武将21）の職業が 4 です（君主は 5）\n");
}

TEST_F(CheckFixture, OneRulerForTwoFactionsAndAFactionRuledByNobody) {
  std::string factions = SyntheticData::factionMaster(12, "乙");
  factions = replaced(factions, "\n0,111,", "\n0,11,");
  factions = replaced(factions, "\n0,101,", "\n0,0,");
  game.writeText("ini/Gunbatu2.ini", factions);
  const std::string found = problems();
  EXPECT_NE(found.find("\\ini\\Gunbatu2.ini .12: 君主 11 は軍閥 .2 の君主でもあります\n"), std::string::npos) << found;
  EXPECT_NE(found.find("\\ini\\Gunbatu2.ini .11: 君主 0 は武将の番号（1〜155）ではありません\n"), std::string::npos) << found;
  // The officers of the two lost rulers now serve nobody's faction, and each is named.
  EXPECT_NE(found.find("\\ini\\Bushou2.ini .111: 職業が君主（5）で、仕える君主が自分自身ですが"), std::string::npos) << found;
  EXPECT_NE(found.find("\\ini\\Bushou2.ini .120: 仕える君主 111 は"), std::string::npos) << found;
}

TEST_F(CheckFixture, RecordsMustBeCompleteInOrderAndLaidOutAsTheGameWritesThem) {
  std::string master = SyntheticData::officerMaster(160, 13, "丙");
  master = replaced(master, "\"face5\"\n5\n", "\"face5\"\n");  // cut short: the game would take ".6" as its commentID
  master = replaced(master, "\n4,7,9,1\n", "\n4,7\n9,1\n");    // officer 3's abilities split over two lines
  master = replaced(master, "\"丙武将20\"", "\"董,卓\"");       // a comma splits the name once it is saved bare
  const std::string thirty = master.substr(master.find(".30\n"), master.find(".31\n") - master.find(".30\n"));
  master = withoutRecord(master, ".30\n", ".31\n") + thirty + ".31\n";  // after the last record: never read
  writeMaster("Bushou.ini", "BUSHOU_BK.ini", master);

  std::string factions = SyntheticData::factionMaster(12, "乙");
  const std::string five = factions.substr(factions.find(".5\n"), factions.find(".6\n") - factions.find(".5\n"));
  const std::string seven = factions.substr(factions.find(".7\n"), factions.find(".8\n") - factions.find(".7\n"));
  factions = withoutRecord(factions, ".5\n", ".6\n");
  factions = replaced(factions, ".7\n", five + seven + ".7\n");
  factions = replaced(factions, ".12\n", ".12x\n");  // still record 12, but not in the form every reader agrees on
  game.writeText("ini/Gunbatu2.ini", factions);

  EXPECT_EQ(problems(),
            "\\ini\\Bushou.ini .3 17行目: この行の項目は 2 個です（4 個のはずです）\n"
            "\\ini\\Bushou.ini .5: 記録が途中で終わっています（項目が 10 個しかありません。11 個必要です）\n"
            "\\ini\\Bushou.ini .30 1114行目: この記録から後の 2 件は読まれません（.160 で読み込みが終わります）\n"
            "\\ini\\Bushou.ini: 記録 .30 がありません\n"
            "\\ini\\Bushou.ini .20: 名前「董,卓」に「,」があります（ゲームが保存すると項目が分かれます）\n"
            "\\ini\\Gunbatu2.ini .5 21行目: 記録 .5 が .6 の後にあります（番号の小さい順に並べます）\n"
            "\\ini\\Gunbatu2.ini .7 29行目: 記録 .7 が二度あります（後の記録が前の記録を上書きします）\n"
            "\\ini\\Gunbatu2.ini 49行目: 見出し「.12x」の形が正しくありません（「.」と 1〜3 桁の番号だけの行にします）\n");
}
