#include <gtest/gtest.h>

#include <algorithm>

#include "support/SyntheticData.h"
#include "tools/sim/Simulation.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

sim::Options options(const TempGameDir& data, const TempGameDir& game, int scenario, std::uint64_t seed) {
  sim::Options o;
  o.dir = (game.root() / "play").string();
  o.scenario = scenario;
  o.seed = seed;
  o.shippedIni = (data.root() / "ini").string();
  return o;
}

}  // namespace

TEST(Simulation, TheSameSeedReplaysTheSameGame) {
  TempGameDir data;
  SyntheticData::install(data);
  TempGameDir first;
  TempGameDir second;
  auto a = options(data, first, 1, 77);
  auto b = options(data, second, 1, 77);
  a.players = b.players = {1, 3};
  a.untilYear = b.untilYear = 195;
  sim::Simulation one(a);
  sim::Simulation two(b);
  const sim::Summary s1 = one.run();
  const sim::Summary s2 = two.run();
  EXPECT_EQ(s1.json(), s2.json());
  EXPECT_EQ(one.transcriptLines(), two.transcriptLines());
  EXPECT_EQ(first.readBytes("play/ini/gunsv.ini"), second.readBytes("play/ini/gunsv.ini"));
  EXPECT_EQ(first.readBytes("play/ini/busv.ini"), second.readBytes("play/ini/busv.ini"));
  EXPECT_EQ(s1.firstYear, 189);
  EXPECT_FALSE(s1.ended);
  const auto& lines = one.transcriptLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "甲軍1の番です。"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "甲軍3の番です。"), lines.end());
}

TEST(Simulation, AComputerGameRunsToTheCreditsAndScoresEveryFaction) {
  TempGameDir data;
  SyntheticData::install(data);
  TempGameDir game;
  sim::Simulation run(options(data, game, 2, 5));
  const sim::Summary s = run.run();
  EXPECT_TRUE(s.ended);
  EXPECT_EQ(s.firstYear, 195);
  ASSERT_EQ(s.factions.size(), 12u);
  const std::string json = s.json();
  EXPECT_EQ(json.rfind("{\"scenario\":2,\"seed\":5,", 0), 0u) << json;
  EXPECT_NE(json.find("\"name\":\"乙軍12\""), std::string::npos) << json;
  EXPECT_TRUE(game.dir().exists("\\play\\save\\velkaro_end.log"));
}

TEST(Simulation, ASavedGameContinuesFromItsYear) {
  TempGameDir data;
  SyntheticData::install(data);
  TempGameDir game;
  auto save = options(data, game, 1, 9);
  save.players = {2};
  save.untilYear = 192;
  save.saveSlot = "07";
  const sim::Summary first = sim::Simulation(save).run();
  EXPECT_FALSE(first.ended);
  EXPECT_EQ(first.lastYear, 191);
  EXPECT_TRUE(game.dir().exists("\\play\\save\\save07.ini"));
  EXPECT_FALSE(game.dir().exists("\\play\\save\\save7.ini"));

  auto load = options(data, game, 1, 9);
  load.loadSlot = "07";
  load.untilYear = 195;
  const sim::Summary second = sim::Simulation(load).run();
  EXPECT_EQ(second.firstYear, 192);
  EXPECT_EQ(second.lastYear, 194);

  auto missing = options(data, game, 1, 9);
  missing.loadSlot = "8";
  EXPECT_THROW(sim::Simulation(missing).run(), std::runtime_error);
}

// A slot whose files were changed outside the game is refused by --load (the simulator answers
// the question with No), naming the file, unless the run says the change is wanted.
TEST(Simulation, ALoadOfAChangedSlotIsRefusedUnlessAccepted) {
  TempGameDir data;
  SyntheticData::install(data);
  TempGameDir game;
  auto save = options(data, game, 1, 9);
  save.untilYear = 191;
  save.saveSlot = "2";
  sim::Simulation(save).run();
  // A blank line more in the comments: every value still sound.
  game.writeBytes("play/save/Cmtsv2.ini", game.readBytes("play/save/Cmtsv2.ini") + "\r\n");

  auto load = options(data, game, 1, 9);
  load.loadSlot = "2";
  load.untilYear = 192;
  std::string refusal;
  try {
    sim::Simulation(load).run();
  } catch (const sim::GameRefused& e) {
    refusal = e.what();
  }
  EXPECT_NE(refusal.find("\\save\\Cmtsv2.ini"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("--load-changed"), std::string::npos) << refusal;

  load.loadChanged = true;
  const sim::Summary loaded = sim::Simulation(load).run();
  EXPECT_EQ(loaded.firstYear, 191);
  EXPECT_EQ(game.readBytes("play/ini/Cmtsv.ini"), game.readBytes("play/save/Cmtsv2.ini"));
}
