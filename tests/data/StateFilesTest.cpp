#include <gtest/gtest.h>

#include "data/DataError.h"
#include "data/Membership.h"
#include "data/StateFiles.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

const char* kFactions =
    ".1\n\"袁紹\"\n1,1,60,8,90,70,60,50\n\"FALSE\"\n"
    ".2\n\"曹操\"\n1,20,30,6,70,80,90,60\n\"false\"\n"
    ".3\n\"董卓\"\n0,40,90,20,30,20,40,95\n\"TRUE\"\n";

const char* kOfficers =
    ".1\n\"袁紹\"\n7,6,5,6\n9,5\n1,5\n\"enshou\"\n10\n"
    ".2\n\"顔良\"\n2,9,2,6\n4,6\n1,4\n\"ganryou\"\n11\n"
    "stray line between records\n"
    ".20\n\"曹操\"\n9,8,9,9\n10,7\n20,5\n\"sousou\"\n57\n"
    ".21\n\"荀彧\"\n10,2,10,6\n8,9\n20,3\n\"junnik\"\n58\n";

}  // namespace

TEST(StateFiles, LoadsTablesWithPlaceholdersAndBothFalseSpellings) {
  TempGameDir game;
  game.writeText("ini/gunsv.ini", kFactions);
  StateFiles files(game.dir());
  FactionTable factions;
  files.loadFactions(factions, 3);
  EXPECT_EQ(factions[1].name, "袁紹");
  EXPECT_EQ(factions[1].army, 60);
  EXPECT_EQ(factions[2].ifu, 60);
  EXPECT_FALSE(factions[1].del);
  EXPECT_FALSE(factions[2].del) << "lower-case false is alive for the table loader";
  EXPECT_TRUE(factions[3].del);
  EXPECT_EQ(factions[0].name, "某国");
  EXPECT_TRUE(factions[0].del);

  gun one;
  EXPECT_TRUE(files.loadFaction(2, 3, one));
  EXPECT_EQ(one.name, "曹操");
  EXPECT_FALSE(files.loadFaction(3, 3, one));
  EXPECT_TRUE(files.loadFaction(7, 3, one)) << "a faction not found counts as alive";
  EXPECT_EQ(one.name, "");
}

TEST(StateFiles, SingleFactionLoaderTakesOnlyExactTrueAsDestroyed) {
  TempGameDir game;
  game.writeText("ini/gunsv.ini", ".1\n\"甲\"\n0,1,1,1,1,1,1,1\n\"True\"\n.2\n\"乙\"\n0,2,1,1,1,1,1,1\n\"TRUE\"\n");
  StateFiles files(game.dir());
  gun g;
  EXPECT_TRUE(files.loadFaction(1, 2, g));
  EXPECT_FALSE(files.loadFaction(2, 2, g));
  FactionTable table;
  files.loadFactions(table, 2);
  EXPECT_TRUE(table[1].del) << "the table loader calls anything but false destroyed";
}

TEST(StateFiles, OfficerLoadingSkipsStrayLinesAndStopsAtTheMaximum) {
  TempGameDir game;
  game.writeText("ini/busv.ini", kOfficers);
  StateFiles files(game.dir());
  OfficerTable officers;
  files.loadOfficers(officers, 20);
  EXPECT_EQ(officers[20].name, "曹操");
  EXPECT_EQ(officers[20].commentID, 57);
  EXPECT_EQ(officers[2].fight, 9);
  EXPECT_EQ(officers[21].name, "何某") << "reading stops after the record of the maximum id";
  EXPECT_EQ(officers[0].jpg, "zouhyou1");

  EXPECT_EQ(files.loadOfficer(21, 21).jpg, "junnik");
  EXPECT_EQ(files.loadOfficer(21, 20).name, "何某") << "the scan passed the maximum";
  const auto kun = files.loadOfficerColumn(7, 200);
  EXPECT_EQ(kun[1], 1);
  EXPECT_EQ(kun[21], 20);
  EXPECT_EQ(kun[3], 0);
  game.writeText("ini/gunsv.ini", kFactions);
  const auto rulers = files.loadFactionColumn(2, 3);
  EXPECT_EQ(rulers[1], 1);
  EXPECT_EQ(rulers[2], 20);
  EXPECT_EQ(rulers[3], 40);
}

TEST(StateFiles, HeaderIdsBeyondTheTableAreNeverStored) {
  TempGameDir game;
  game.writeText("ini/busv.ini", ".250\n\"X\"\n1,1,1,1\n1,1\n0,1\n\"\"\n0\n.2000\n\"Y\"\n1,1,1,1\n1,1\n0,1\n\"\"\n0\n");
  StateFiles files(game.dir());
  OfficerTable officers;
  files.loadOfficers(officers, 200);
  // ".2000" reads as 200 (first three digits), which fits; ".250" does not.
  EXPECT_EQ(officers[200].name, "Y");
  for (int i = 1; i < 200; ++i) ASSERT_EQ(officers[i].name, "何某") << i;
}

TEST(StateFiles, CutShortOrMalformedRecordsAreReportedWithTheFileName) {
  TempGameDir game;
  StateFiles files(game.dir());
  OfficerTable officers;
  EXPECT_THROW(files.loadOfficers(officers, 155), DataError);
  game.writeText("ini/busv.ini", ".1\n\"袁紹\"\n7,6,5\n");
  try {
    files.loadOfficers(officers, 155);
    FAIL();
  } catch (const DataError& e) {
    EXPECT_NE(std::string(e.what()).find("\\ini\\busv.ini"), std::string::npos);
  }
  game.writeText("ini/busv.ini", ".1\n\"袁紹\"\n7,six,5,6\n9,5\n1,5\n\"enshou\"\n10\n");
  EXPECT_THROW(files.loadOfficers(officers, 155), DataError);
}

TEST(StateFiles, WholeRewriteWritesNamesBareAndReadsBackTheSame) {
  TempGameDir game;
  game.writeText("ini/busv.ini", kOfficers);
  game.writeText("ini/gunsv.ini", kFactions);
  StateFiles files(game.dir());
  OfficerTable officers;
  files.loadOfficers(officers, 21);
  officers[2].fight = 10;
  files.saveOfficers(officers, 21);
  const std::string text = game.readText("ini/busv.ini");
  EXPECT_NE(text.find(".2\r\n顔良\r\n2,10,2,6\r\n4,6\r\n1,4\r\n\"ganryou\"\r\n11\r\n"), std::string::npos) << text;
  OfficerTable again;
  files.loadOfficers(again, 21);
  EXPECT_EQ(again[2].fight, 10);
  EXPECT_EQ(again[20].name, "曹操");
  EXPECT_EQ(again[3].name, "何某") << "ids without a record are written as the default officer";

  FactionTable factions;
  files.loadFactions(factions, 3);
  files.saveFactions(factions, 3);
  const std::string first = ".1\r\n袁紹\r\n1,1,60,8,90,70,60,50\r\n\"FALSE\"\r\n";
  EXPECT_EQ(game.readText("ini/gunsv.ini").substr(0, first.size()), first);
}

TEST(StateFiles, SingleFactionUpdateChangesOneRecordAndKeepsAScratchCopy) {
  TempGameDir game;
  game.writeText("ini/gunsv.ini", kFactions);
  StateFiles files(game.dir());
  const std::string original = game.readBytes("ini/gunsv.ini");
  FactionTable before;
  files.loadFactions(before, 3);
  gun changed = before[2];
  changed.tian = 100;
  changed.kessoku = -5;
  files.saveFaction(changed);

  EXPECT_EQ(game.readBytes("ini/gunimg.ini"), original) << "the scratch copy holds the file as it was";
  const std::string text = game.readText("ini/gunsv.ini");
  EXPECT_NE(text.find(".2\r\n\"曹操\"\r\n1,20,30,6,70,100,-5,60\r\n\"false\"\r\n"), std::string::npos) << text;

  FactionTable after;
  files.loadFactions(after, 3);
  for (int id : {1, 3}) {
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(after[id].field(n), before[id].field(n)) << id << "/" << n;
    EXPECT_EQ(after[id].name, before[id].name);
    EXPECT_EQ(after[id].del, before[id].del);
  }
  EXPECT_EQ(after[2].tian, 100);
  EXPECT_EQ(after[2].kessoku, -5);
  EXPECT_EQ(after[2].name, "曹操") << "quoted by the update, bare by the rewrite: both read the same";
}

TEST(Membership, GunIdFollowsTheRulerAndGunshiIsTheBestSeniorOfficer) {
  TempGameDir game;
  game.writeText("ini/busv.ini", kOfficers);
  game.writeText("ini/gunsv.ini", kFactions);
  StateFiles files(game.dir());
  OfficerTable officers;
  FactionTable factions;
  files.loadOfficers(officers, 21);
  files.loadFactions(factions, 3);
  officers[5].kunID = 99;
  Membership::deriveGunIds(officers, factions, 21, 3);
  Membership::computeGunshi(factions, officers, 21, 3);
  EXPECT_EQ(officers[2].gunID, 1);
  EXPECT_EQ(officers[21].gunID, 2);
  EXPECT_EQ(officers[5].gunID, 0);
  EXPECT_EQ(factions[officers[5].gunID].name, "某国");
  // 袁紹 (ruler, 5+6-10=1) and 顔良 (general, 2+6-10=-2): never below 1.
  EXPECT_EQ(factions[1].gunshi, 1);
  // 曹操 ruler 9+9-10=8, 荀彧 staff 10+6-10=6.
  EXPECT_EQ(factions[2].gunshi, 8);
  EXPECT_EQ(factions[3].gunshi, 1);
  officers[21].wisdom = 10;
  officers[21].tactics = 10;
  Membership::computeGunshi(factions, officers, 21, 3);
  EXPECT_EQ(factions[2].gunshi, 10);
}

TEST(Tables, OutOfRangeIdsResolveToThePlaceholder) {
  OfficerTable officers;
  FactionTable factions;
  officers[5].name = "張遼";
  EXPECT_EQ(officers[-1].name, "何某");
  EXPECT_EQ(officers[201].jpg, "zouhyou1");
  EXPECT_EQ(factions[21].name, "某国");
  EXPECT_TRUE(factions[-3].del);
  Bushou fresh;
  EXPECT_EQ(fresh.policy, 1);
  EXPECT_EQ(fresh.fight, 1);
  EXPECT_EQ(fresh.wisdom, 0);
  EXPECT_EQ(fresh.name, "何某");
}

// Records are parsed once per content of the file, but a bad record still fails only the reads
// that reach it, and a file changed from outside is read afresh.
TEST(StateFiles, ParsedRecordsServeEveryReadOfOneContent) {
  TempGameDir game;
  StateFiles files(game.dir());
  game.writeText("ini/busv.ini", std::string(kOfficers) + ".22\n\"郭嘉\"\n7,x,5,6\n9,5\n20,3\n\"kakuka\"\n59\n");
  EXPECT_EQ(files.loadOfficer(2, 155).name, "顔良");
  EXPECT_EQ(files.loadOfficerColumn(2, 21)[20], 8);  // stops at 21, before the bad record
  OfficerTable officers;
  EXPECT_THROW(files.loadOfficers(officers, 155), DataError);
  EXPECT_THROW(files.loadOfficerColumn(1, 155), DataError);
  EXPECT_EQ(files.loadOfficer(21, 155).name, "荀彧");
  EXPECT_THROW(files.loadOfficer(22, 155), DataError);
  // Mended from outside: the next read takes the new content. A table load sets only what the
  // file holds; the faction derived before stays until it is derived again.
  game.writeText("ini/busv.ini", std::string(kOfficers) + ".22\n\"郭嘉\"\n7,3,5,6\n9,5\n20,3\n\"kakuka\"\n59\n");
  officers[1].gunID = 7;
  EXPECT_NO_THROW(files.loadOfficers(officers, 155));
  EXPECT_EQ(officers[22].fight, 3);
  EXPECT_EQ(officers[1].gunID, 7);
  EXPECT_EQ(files.loadOfficer(22, 155).fight, 3);
}
