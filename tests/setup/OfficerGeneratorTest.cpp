#include <gtest/gtest.h>

#include <set>

#include "support/GameUi.h"
#include "data/StateFiles.h"
#include "setup/TitleScreen.h"
#include "setup/OfficerGenerator.h"
#include "setup/ScenarioFiles.h"
#include "support/SyntheticData.h"
#include "ui/scripted/ScriptedUi.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

struct GeneratorFixture : ::testing::Test {
  GeneratorFixture() : context(game.dir()) {
    SyntheticData::install(game);
    context.rng.fixSeed(99);
  }
  // Starts a new game of the scenario through the title screen with the first faction.
  OfficerTable newGame(int scenario) {
    test::GameUi ui;
    TitleScreen title(context, ui);
    title.Form_Load();
    title.List1[0].listIndex = scenario - 1;
    title.List1_Click(0);
    rowToRuler = title.rowToRuler();
    title.List1[1].setSelected(0, true);
    title.Command2_Click();
    OfficerTable table;
    StateFiles(game.dir()).loadOfficers(table, 200);
    return table;
  }
  TempGameDir game;
  GameContext context;
  std::array<int16, 21> rowToRuler{};
};

}  // namespace

TEST_F(GeneratorFixture, ScenarioOneKeepsTheMasterAndAddsFictionalOfficers) {
  const OfficerTable officers = newGame(1);
  EXPECT_EQ(context.OFFICER_MAX, 170);
  OfficerTable master;
  ScenarioFiles::mk_Rinbusv(game.dir(), 1);  // busv = master again, to read it with the same loader
  StateFiles(game.dir()).loadOfficers(master, 155);
  for (int i = 1; i <= 155; ++i) {
    ASSERT_EQ(officers[i].name, master[i].name) << i;
    for (int n = 1; n <= 8; ++n) ASSERT_EQ(officers[i].field(n), master[i].field(n)) << i << "/" << n;
    ASSERT_EQ(officers[i].jpg, master[i].jpg);
    ASSERT_EQ(officers[i].commentID, master[i].commentID);
  }
  for (int i = 156; i <= 170; ++i) {
    EXPECT_EQ(officers[i].kunID, 0) << i;
    EXPECT_EQ(officers[i].commentID, 200);
    EXPECT_EQ(officers[i].jpg, "");
    EXPECT_EQ(officers[i].name.rfind("姓", 0), 0u);
  }
  EXPECT_EQ(officers[171].name, "何某") << "exactly 170 records";
}

TEST_F(GeneratorFixture, ScenarioThreeHasFictionalOfficersFrom161) {
  const OfficerTable officers = newGame(3);
  EXPECT_EQ(officers[160].commentID, 160);
  EXPECT_EQ(officers[160].name, "丙武将160");
  for (int i = 161; i <= 170; ++i) EXPECT_EQ(officers[i].commentID, 200) << i;
}

TEST_F(GeneratorFixture, MissingMasterRecordStaysFictional) {
  std::string master = SyntheticData::officerMaster(155, 13, "甲");
  const auto cut = master.find(".50\n");
  master.erase(cut, master.find(".51\n") - cut);
  game.writeText("ini/Bushou1.ini", master);
  const OfficerTable officers = newGame(1);
  EXPECT_EQ(officers[50].commentID, 200);
  EXPECT_EQ(officers[51].commentID, 51);
}

TEST_F(GeneratorFixture, HypotheticalScenarioKeepsRulersAndScattersTheRest) {
  const OfficerTable officers = newGame(4);
  std::set<int> rulers(rowToRuler.begin(), rowToRuler.begin() + 13);
  int unaffiliated = 0;
  for (int i = 1; i <= 170; ++i) {
    if (i <= 121 && (i - 1) % 10 == 0) {
      EXPECT_EQ(officers[i].kunID, i) << "ruler " << i << " keeps his faction";
      continue;
    }
    ASSERT_TRUE(officers[i].kunID == 0 || rulers.count(officers[i].kunID) == 1) << i << " " << officers[i].kunID;
    unaffiliated += officers[i].kunID == 0 ? 1 : 0;
  }
  // 27/40 of the 157 others stay unaffiliated on average; far outside that means a wrong draw.
  EXPECT_GT(unaffiliated, 70);
  EXPECT_LT(unaffiliated, 140);
}

TEST_F(GeneratorFixture, AbilitiesAreJobShapedAndInRangeOverManyDraws) {
  std::array<int16, 21> rows{};
  std::set<std::string> familyUsed;
  for (int round = 0; round < 40; ++round) {
    context.rng.fixSeed(static_cast<std::uint64_t>(round) + 1000);
    OfficerGenerator g(context, 13, rows);
    g.mk_Name_rtn();
    g.mk_Abl_rtn();
    for (std::size_t i = 1; i <= 170; ++i) {
      for (int16 v : {g.policy[i], g.fight[i], g.wisdom[i], g.tactics[i], g.charm[i], g.Setu[i]}) {
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 10);
      }
      ASSERT_GE(g.Job[i], 1);
      ASSERT_LE(g.Job[i], 6);
      if (g.Job[i] == 1) {
        ASSERT_GE(g.policy[i], 6);
      }
      if (g.Job[i] == 2) {
        ASSERT_GE(g.fight[i], 6);
      }
      if (g.Job[i] == 3) {
        ASSERT_GE(g.wisdom[i], 4);
      }
      if (g.Job[i] == 4) {
        ASSERT_GE(g.tactics[i], 6);
      }
      if (g.Job[i] == 6) {
        ASSERT_LE(g.fight[i], 7);
        ASSERT_GE(g.tactics[i], 5);
      }
      if (g.Job[i] == 1 || g.Job[i] == 2) {
        ASSERT_LE(g.charm[i], 9);
      }
      ASSERT_EQ(g.commentID[i], 200);
      const std::string& n = g.name[i];
      familyUsed.insert(n.substr(0, n.find("名")));
    }
  }
  for (const auto& family : familyUsed) {
    const int k = std::stoi(family.substr(std::string("姓").size()));
    ASSERT_GE(k, 1);
    ASSERT_LE(k, 166) << "family names 167..170 are never drawn";
  }
  EXPECT_GT(familyUsed.size(), 150u);
}
