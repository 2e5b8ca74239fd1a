#include <gtest/gtest.h>

#include <filesystem>

#include "support/SyntheticData.h"
#include "tools/sim/Batch.h"
#include "tools/sim/BatchStats.h"
#include "tools/sim/GameRecord.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

sim::Summary game(int scenario, std::uint64_t seed, std::vector<sim::FactionResult> factions,
                  std::vector<std::pair<int, int>> destroyed) {
  sim::Summary s;
  s.scenario = scenario;
  s.seed = seed;
  s.firstYear = 189;
  s.lastYear = 215;
  s.ended = true;
  s.factions = std::move(factions);
  s.destroyed = std::move(destroyed);
  return s;
}

}  // namespace

TEST(BatchStats, FirstPlacesScoresDestructionsAliveStrategiesAndBattles) {
  sim::Summary a = game(1, 1, {{1, "董卓", 300, false}, {2, "袁紹", 500, false}, {3, "韓馥", 0, true}}, {{3, 195}});
  a.carriedOut[1] = 4;
  a.carriedOut[11] = 2;
  a.battles[{0, 4, 1}] = 2;
  sim::Summary b = game(1, 2, {{1, "董卓", 700, false}, {2, "袁紹", 100, true}, {3, "韓馥", 0, true}},
                        {{3, 199}, {2, 210}});
  b.carriedOut[1] = 1;
  b.battles[{0, 4, 1}] = 1;
  b.battles[{1, 7, 0}] = 1;
  // The same id names another faction in another scenario.
  sim::Summary c = game(2, 3, {{1, "曹操", 50, false}, {2, "袁紹", 60, false}, {3, "劉備", 70, false}}, {});

  sim::BatchStats stats;
  stats.add(a);
  stats.add(b);
  stats.add(c);
  stats.addFailure();
  EXPECT_EQ(stats.games(), 3);
  EXPECT_EQ(stats.failed(), 1);
  EXPECT_DOUBLE_EQ(stats.meanAlive(), (2 + 1 + 3) / 3.0);
  EXPECT_DOUBLE_EQ(stats.medianAlive(), 2);

  const auto& f = stats.factions();
  ASSERT_EQ(f.size(), 5u);
  const auto& dongzhuo = f.at({1, "董卓"});
  EXPECT_EQ(dongzhuo.games, 2);
  EXPECT_EQ(dongzhuo.first, 1);
  EXPECT_DOUBLE_EQ(dongzhuo.scoreSum, 1000);
  const auto& yuanshao = f.at({2, "袁紹"});
  EXPECT_EQ(yuanshao.games, 3);
  EXPECT_EQ(yuanshao.first, 1);
  EXPECT_EQ(yuanshao.destroyed, 1);
  EXPECT_EQ(yuanshao.destroyedYearSum, 210);
  EXPECT_EQ(f.at({3, "韓馥"}).destroyed, 2);
  EXPECT_EQ(f.at({3, "劉備"}).first, 1);
  EXPECT_EQ(f.at({1, "曹操"}).first, 0);

  const std::string json = stats.json();
  EXPECT_EQ(json.rfind("{\"games\":3,\"failed\":1,\"factions\":[", 0), 0u) << json;
  EXPECT_NE(json.find("{\"id\":3,\"name\":\"韓馥\",\"games\":2,\"first\":0,\"mean_score\":0,\"destroyed\":2,"
                      "\"mean_destroyed_year\":197}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"mean_destroyed_year\":null"), std::string::npos) << json;
  EXPECT_NE(json.find("\"alive_mean\":2,\"alive_median\":2,"), std::string::npos) << json;
  EXPECT_NE(json.find("{\"code\":1,\"name\":\"人材募集\",\"carried_out\":5},{\"code\":11,\"name\":\"戦争\",\"carried_out\":2}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"wars\":[{\"kind\":\"war\",\"plan\":4,\"verdict\":\"attacker\",\"count\":3},"
                      "{\"kind\":\"righteous\",\"plan\":7,\"verdict\":\"draw\",\"count\":1}]}"),
            std::string::npos)
      << json;
}

TEST(GameRecord, ReadsBackWhatItWroteAndRefusesATornRecord) {
  sim::Summary s = game(3, 99, {{1, "名 に 空白", 12.5, false}, {2, "乙", 1.0 / 3, true}}, {{2, 201}});
  s.carriedOut[12] = 7;
  s.battles[{1, 2, 2}] = 3;
  s.wars = 4;
  const std::string text = sim::GameRecord::write(s);
  const auto back = sim::GameRecord::read(text);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->json(), s.json());
  EXPECT_EQ(back->carriedOut, s.carriedOut);
  EXPECT_EQ(back->battles, s.battles);
  EXPECT_EQ(back->factions[0].name, "名 に 空白");
  EXPECT_DOUBLE_EQ(back->factions[1].score, 1.0 / 3);
  EXPECT_FALSE(sim::GameRecord::read(text.substr(0, text.size() - 4)).has_value());
  EXPECT_FALSE(sim::GameRecord::read("game 1 2\nend\n").has_value());
  EXPECT_FALSE(sim::GameRecord::read("").has_value());
}

TEST(Batch, GamesTakeSuccessiveSeedsAndScenariosInTheirOwnFolders) {
  TempGameDir data;
  SyntheticData::install(data);
  TempGameDir root;
  sim::Batch::Settings settings;
  settings.base.dir = root.root().string();
  settings.base.seed = 40;
  settings.base.scenario = 1;
  settings.base.shippedIni = (data.root() / "ini").string();
  settings.base.untilYear = 192;
  settings.base.check = true;
  settings.games = 7;
  settings.allScenarios = true;
  settings.jobs = 2;
  const sim::Batch batch(settings);
  EXPECT_EQ(batch.gameOptions(6).scenario, 1);
  EXPECT_EQ(*batch.gameOptions(6).seed, 46u);
  EXPECT_EQ(batch.gameOptions(6).dir, (root.root() / "game-46").string());

  const sim::Batch::Outcome forked = sim::Batch(settings).run();
  EXPECT_EQ(forked.failures, std::vector<std::string>{});
  ASSERT_EQ(forked.games.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(forked.games[static_cast<std::size_t>(i)].seed, 40u + static_cast<unsigned>(i));
    EXPECT_EQ(forked.games[static_cast<std::size_t>(i)].scenario, i % 6 + 1);
    EXPECT_TRUE(std::filesystem::exists(root.root() / ("game-" + std::to_string(40 + i)) / "ini" / "busv.ini"));
  }

  // The same games in this process give the same results.
  settings.jobs = 1;
  const sim::Batch::Outcome here = sim::Batch(settings).run();
  ASSERT_EQ(here.games.size(), 7u);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(here.games[i].json(), forked.games[i].json());
}

TEST(Batch, AFailedGameIsReportedWithItsScenarioAndSeedWhileTheOthersPlayOn) {
  TempGameDir data;
  SyntheticData::install(data);
  // Scenarios 2 and 5 use the second faction master: cut it short so those games cannot start.
  data.writeText("ini/Gunbatu2.ini", ".1\n\"乙軍1\"\n1,1\n");
  TempGameDir root;
  sim::Batch::Settings settings;
  settings.base.dir = root.root().string();
  settings.base.seed = 10;
  settings.base.scenario = 1;
  settings.base.shippedIni = (data.root() / "ini").string();
  settings.base.untilYear = 191;
  settings.games = 3;
  settings.allScenarios = true;
  for (int jobs : {1, 2}) {
    settings.jobs = jobs;
    const sim::Batch::Outcome outcome = sim::Batch(settings).run();
    ASSERT_EQ(outcome.games.size(), 2u);
    EXPECT_EQ(outcome.games[0].scenario, 1);
    EXPECT_EQ(outcome.games[1].scenario, 3);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(outcome.failures[0].rfind("scenario 2, seed 11: ", 0), 0u) << outcome.failures[0];
    EXPECT_NE(outcome.failures[0].find("記録 .1 が途中で終わっています"), std::string::npos) << outcome.failures[0];
  }
}
