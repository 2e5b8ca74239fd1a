#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "check/CheckCommand.h"
#include "check/DataCheck.h"
#include "check/TemplateCheck.h"
#include "data/Codec.h"
#include "data/FileCache.h"
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
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  EXPECT_EQ(CheckCommand::run({game.root().string()}, out, err), CheckCommand::kProblems);
  EXPECT_EQ(out.str(), "\\ini\\mei.ini: ファイルがありません\n問題が 1 件あります（13 ファイルを確認しました）\n");

  TempGameDir empty;
  std::filesystem::remove_all(empty.root() / "ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
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

TEST_F(CheckFixture, EncodingFaultsAreLocatedAndKeepTheirFileOutOfTheContentChecks) {
  std::string text = *Codec::toCp932(".1\r\n文1\r\n");
  text.insert(text.size() - 2, "\xFF");  // fourth byte of line 2, after the two bytes of 文 and the 1
  game.writeBytes("ini/Text.ini", text + *Codec::toCp932(".2\r\n..\r\n"));
  // Two lines of the comment master start with a lead byte whose trail byte is a blank.
  std::string comments = *Codec::toCp932(".1\r\n武将1\r\n");
  comments += "\x81 bad\r\n\x81 again\r\n";
  game.writeBytes("ini/Comment.ini", comments);
  game.writeBytes("ini/sei.ini", *Codec::toCp932(SyntheticData::pool("姓", 170)));  // LF only
  std::string given = *Codec::toCp932(replaced(SyntheticData::pool("名", 150), "\n名2\n", "\r\n名2\r\n"));
  game.writeBytes("ini/mei.ini", given.substr(0, given.size() - 1));  // the last line lacks its end

  EXPECT_EQ(problems(),
            "\\ini\\Comment.ini 3行目: CP932 として読めないバイトがあります（1 バイト目の 0x81、この行を含めて 2 行）。"
            "このファイルの内容は確認していません\n"
            "\\ini\\sei.ini 1行目: 行末が CR LF ではなく LF だけです（この行を含めて 170 行）\n"
            "\\ini\\mei.ini 3行目: 行末が CR LF ではなく LF だけです（この行を含めて 147 行）\n"
            "\\ini\\mei.ini 150行目: 最後の行に行末（CR LF）がありません\n"
            "\\ini\\Text.ini 2行目: CP932 として読めないバイトがあります（4 バイト目の 0xFF）。このファイルの内容は確認していません\n");
}

TEST_F(CheckFixture, BackupThatDiffersAndFileNamesThatDifferOnlyInCase) {
  game.writeText("ini/BUSHOU2_BK.ini",
                 replaced(SyntheticData::officerMaster(155, 12, "乙"), "\"乙武将3\"\n", "\"乙武将三\"\n"));
  game.writeText("ini/bushou1.ini", scenarioOne());
  EXPECT_EQ(problems(),
            "\\ini\\Bushou1.ini: 「Bushou1.ini」と「bushou1.ini」は大文字と小文字しか違わないため、ゲームがどれを読むか定まりません\n"
            "\\ini\\BUSHOU2_BK.ini: \\ini\\Bushou2.ini と一致しません（最初の違いは 16行目）\n");
}

TEST_F(CheckFixture, NamePoolsMustBeLongEnoughAndHoldStorableNames) {
  std::string family = SyntheticData::pool("姓", 169);
  family = replaced(family, "\n姓5\n", "\n.姓5\n");
  family = replaced(family, "\n姓7\n", "\n\"姓,7\"\n");
  game.writeText("ini/sei.ini", family);
  game.writeText("ini/mei.ini", replaced(SyntheticData::pool("名", 150), "\n名3\n", "\n名3,,名3b\n"));
  EXPECT_EQ(problems(),
            "\\ini\\sei.ini 5行目: 名前「.姓5」が「.」で始まっています（ゲームが保存すると見出しと読まれます）\n"
            "\\ini\\sei.ini 7行目: 名前「姓,7」に「,」があります（ゲームが保存すると項目が分かれます）\n"
            "\\ini\\sei.ini: 名前が 169 個しかありません（170 個以上必要です）\n"
            "\\ini\\mei.ini 3行目: 空の名前があります（4 番目）\n");
}

// Lines and names the game refuses to read, so that they cannot grow its log without bound; the
// message quotes at most the first 40 characters.
TEST_F(CheckFixture, OverlongTemplateLinesAndPoolNamesAreReportedShortly) {
  game.writeText("ini/Text.ini", replaced(templates(60), "文3\n", std::string(1001, 'x') + "\n"));
  game.writeText("ini/mei.ini", replaced(SyntheticData::pool("名", 150), "\n名3\n", "\n" + std::string(11, 'y') + "\n"));
  game.writeText("ini/sei.ini", replaced(SyntheticData::pool("姓", 170), "\n姓4\n", "\n" + std::string(10, 'z') + "\n"));
  EXPECT_EQ(problems(),
            "\\ini\\mei.ini 3行目: 名前「yyyyyyyyyyy」が長すぎます（10文字まで。ゲームはこのファイルを読みません）\n"
            "\\ini\\Text.ini 14行目: 行が長すぎます（1001文字、1000文字まで。ゲームはこのファイルを読みません）\n");
  game.writeText("ini/mei.ini", replaced(SyntheticData::pool("名", 150), "\n名3\n", "\n名3\n+" + std::string(300, 'w') + "\n"));
  game.writeText("ini/Text.ini", replaced(templates(60), "文8\n+\n", "文8\n+" + std::string(50, 'w') + "\n"));
  EXPECT_EQ(problems(), "\\ini\\mei.ini 4行目: 名前「+" + std::string(39, 'w') +
                            "…」が長すぎます（10文字まで。ゲームはこのファイルを読みません）\n"
                            "\\ini\\Text.ini 45行目: 「+」の行の残り「" + std::string(40, 'w') + "…」は表示されません\n");
}

TEST_F(CheckFixture, NoGeneratedNameIsAPersonAndNoGivenNameACourtesyName) {
  std::string comments;
  for (int i = 1; i <= 160; ++i) comments += "." + std::to_string(i) + "\n武将" + std::to_string(i) + "\n評伝" + std::to_string(i) + "\n";
  comments += ".161\n姓2名3\n字は名5。若くして学ぶ。\n.162\n姓1名200\n字は名は伏せる\n";  // 名200 is past the pool's 150
  game.writeText("ini/Comment.ini", comments);
  EXPECT_EQ(problems(),
            "\\ini\\mei.ini: 名「名3」（3 番目）と姓「姓2」で実在の人物「姓2名3」になります\n"
            "\\ini\\mei.ini: 名「名5」（5 番目）は人物の字です\n");
}

TEST_F(CheckFixture, TemplateSectionsMustBePresentReachableClosedAndNotEmpty) {
  std::string text = templates(60);
  text = withoutRecord(text, ".45\n", ".46\n");
  text = replaced(text, "文5\n+\n*\n.\n..\n", "文5\n+\n*\n.\n");           // runs on into section 6
  text = replaced(text, ".7\n文7\n+\n*\n.\n..\n", ".7\n+\n.\n..\n");       // only a name, no words
  text = replaced(text, "文8\n+\n", "文8\n+ 様\n");                          // the rest of a "+" line is dropped
  text = replaced(text, "文9\n", "文9\n.5万の兵\n");                         // a "." line is only a line break
  text = replaced(text, ".57\n", ".100\n..\n.57\n");                         // stops the reader before 57..60
  game.writeText("ini/Text.ini", text);
  game.writeText("ini/Command.ini", withoutRecord(templates(26), ".20\n", ".21\n"));

  EXPECT_EQ(problems(),
            "\\ini\\Text.ini 42行目: 「+」の行の残り「 様」は表示されません\n"
            "\\ini\\Text.ini 48行目: 「.」で始まる行「.5万の兵」は改行か見出しとしてだけ読まれ、残りは表示されません\n"
            "\\ini\\Text.ini 329行目: 見出し .100 で読み込みが止まります（100 以上の節は読まれず、これより後の節も見つかりません）\n"
            "\\ini\\Text.ini .5: 節が「..」で終わらず、次の見出し .6（30行目）の節まで続けて読まれます\n"
            "\\ini\\Text.ini .7: 節に本文がありません\n"
            "\\ini\\Text.ini .45: 節がありません\n"
            "\\ini\\Text.ini .57〜.60: 節が見出し .100（329行目）より後にあるため読まれません\n"
            "\\ini\\Command.ini .20: 節がありません\n");

  // Runs of missing sections take one line each; the gap at 31 and 54..56 is not needed.
  game.writeText("ini/Text.ini", withoutRecord(templates(60), ".25\n", ".34\n"));
  game.writeText("ini/Command.ini", withoutRecord(templates(26), ".12\n", ".22\n"));
  EXPECT_EQ(problems(),
            "\\ini\\Text.ini .25〜.30: 節がありません\n"
            "\\ini\\Text.ini .32〜.33: 節がありません\n"
            "\\ini\\Command.ini .12: 節がありません\n"
            "\\ini\\Command.ini .20〜.21: 節がありません\n");
}

TEST_F(CheckFixture, UsedSectionsAreAllBelowTheReadersLimit) {
  for (const auto* used : {&TemplateCheck::textSections(), &TemplateCheck::commandSections()}) {
    ASSERT_FALSE(used->empty());
    EXPECT_LT(used->back(), TemplateCheck::kUnreachable);
    EXPECT_TRUE(std::is_sorted(used->begin(), used->end()));
  }
  EXPECT_EQ(TemplateCheck::textSections().size(), 30u + 22u + 4u);  // 1-30, 32-53, 57-60
  EXPECT_EQ(TemplateCheck::commandSections().size(), 12u + 1u + 6u);  // 1-12, 20, 21-26
}

TEST_F(CheckFixture, CommentRecordsMustBeWellFormedAndFindable) {
  std::string comments;
  for (int i = 1; i <= 160; ++i) {
    const std::string n = std::to_string(i);
    if (i == 3) {
      comments += ".3\n武将3\n";  // no text
    } else if (i == 4) {
      comments += ".4\n武将4,字\n評伝4\n";
    } else if (i == 5) {
      comments += ".5\n武将5\n\"評伝\"の人\n";
    } else if (i == 6) {
      comments += ".6\n武将6\n評伝,.6\n";
    } else if (i == 8) {
      comments += ".8\n武将8\n評伝8\n.\n";  // the comment editor's closing line is harmless
    } else {
      comments += "." + n + "\n武将" + n + "\n評伝" + n + "\n";
    }
  }
  comments += ".7\n武将7\n二つ目\n.200\n架空\n本文\n";
  game.writeText("ini/Comment.ini", comments);
  EXPECT_EQ(problems(),
            "\\ini\\Comment.ini .3: 本文がありません（名前の行の後に 1 行以上必要です）\n"
            "\\ini\\Comment.ini .4 10行目: 名前の行に「,」があります（後ろの部分が本文として表示されます）\n"
            "\\ini\\Comment.ini .5 14行目: 引用符の後ろの「の人」は表示されません\n"
            "\\ini\\Comment.ini .6 17行目: 「,」の後が「.」で始まるため、本文がそこで途切れます\n"
            "\\ini\\Comment.ini .7 481行目: 記録 .7 が二度あります（後の記録は読まれません）\n"
            "\\ini\\Comment.ini .200: 番号 200 は架空の武将の印で、この記録は読まれません\n");
}

// The masters are still being written; once they are in the shipped folder they must pass.
TEST(ShippedData, PassesTheChecker) {
  const std::filesystem::path shipped = VELKARO_SHIPPED_INI;
  for (const char* master : {"Bushou1.ini", "Bushou2.ini", "Bushou.ini"}) {
    if (!std::filesystem::exists(shipped / master)) {
      GTEST_SKIP() << "the shipped folder " << shipped.string() << " has no officer master " << master << " yet";
    }
  }
  const CheckReport report = DataCheck(GamePaths(shipped.parent_path())).run();
  std::string lines;
  for (const std::string& line : report.lines()) lines += line + "\n";
  EXPECT_TRUE(report.sound()) << lines;
  EXPECT_EQ(report.filesChecked(), static_cast<int>(DataCheck::expectedFiles().size()));
}
