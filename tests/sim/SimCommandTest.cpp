// The velkaro-sim command itself: refused games must fail the run, not pass for a result.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/SyntheticData.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

struct SimRun {
  int status = 0;
  std::string out;
  std::string err;
};

std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

SimRun runSim(const TempGameDir& game, const std::string& arguments) {
  const auto out = game.root() / "stdout.txt";
  const auto err = game.root() / "stderr.txt";
  const std::string command = std::string("'") + VELKARO_SIM_BINARY + "' --dir '" + (game.root() / "play").string() +
                              "' " + arguments + " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
}

// A game folder whose ini folder is the synthetic data set, broken by `breakIt`.
void prepare(const TempGameDir& game, const std::function<void(const std::filesystem::path&)>& breakIt) {
  TempGameDir data;
  SyntheticData::install(data);
  std::filesystem::create_directories(game.root() / "play");
  std::filesystem::copy(data.root() / "ini", game.root() / "play" / "ini", std::filesystem::copy_options::recursive);
  std::filesystem::create_directories(game.root() / "play" / "save");
  breakIt(game.root() / "play" / "ini");
}

void cut(const std::filesystem::path& file, std::size_t keep) {
  const std::string bytes = slurp(file);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes.substr(0, keep);
}

}  // namespace

TEST(SimCommand, ANewGameTheGameRefusesExitsNonZeroWithItsMessageOnStderr) {
  struct Case {
    const char* what;
    std::function<void(const std::filesystem::path&)> breakIt;
    const char* start;  // how the message begins after "velkaro-sim: "
    const char* detail;
  };
  const std::vector<Case> cases = {
      {"missing name pool", [](const auto& ini) { std::filesystem::remove(ini / "sei.ini"); },
       "the new game could not start: ", "sei.ini"},
      // The masters are read whole before any state file is written, so the message names the master.
      {"truncated officer master", [](const auto& ini) { cut(ini / "Bushou1.ini", 700); }, "", "Bushou1.ini"},
      {"truncated faction master", [](const auto& ini) { cut(ini / "Gunbatu1.ini", 30); }, "", "Gunbatu1.ini"},
      {"letters in a number",
       [](const auto& ini) {
         std::string bytes = slurp(ini / "Gunbatu1.ini");
         bytes.replace(bytes.find(",50,"), 4, ",5x,");
         std::ofstream(ini / "Gunbatu1.ini", std::ios::binary | std::ios::trunc) << bytes;
       },
       "", "「5x」"},
  };
  for (const Case& c : cases) {
    TempGameDir game;
    prepare(game, c.breakIt);
    const SimRun run = runSim(game, "--scenario 1 --seed 3");
    EXPECT_EQ(run.status, 1) << c.what << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.what;
    EXPECT_EQ(run.err.rfind(std::string("velkaro-sim: ") + c.start, 0), 0u) << c.what << "\n" << run.err;
    EXPECT_NE(run.err.find(c.detail), std::string::npos) << c.what << "\n" << run.err;
  }
}

TEST(SimCommand, AFailedSaveOrLoadExitsNonZero) {
  TempGameDir game;
  prepare(game, [](const auto&) {});
  // A file where the save folder should be: no slot can be written.
  std::filesystem::remove_all(game.root() / "play" / "save");
  std::ofstream(game.root() / "play" / "save") << "x";
  SimRun run = runSim(game, "--scenario 1 --seed 3 --until-year 191 --save 4");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.err.rfind("velkaro-sim: the game could not be saved in slot 4: セーブできませんでした。  ファイル「\\save\\", 0), 0u) << run.err;

  run = runSim(game, "--scenario 1 --seed 3 --load 4");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_EQ(run.err.rfind("velkaro-sim: the saved game 4 could not be loaded: ", 0), 0u) << run.err;

  // And a sound save and load still succeed.
  TempGameDir sound;
  prepare(sound, [](const auto&) {});
  run = runSim(sound, "--scenario 1 --seed 3 --until-year 191 --save 4");
  EXPECT_EQ(run.status, 0) << run.err;
  run = runSim(sound, "--scenario 1 --seed 3 --load 4 --until-year 193");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("{\"scenario\":1,\"seed\":3,\"first_year\":191,", 0), 0u) << run.out;

  // The same slot changed by hand: refused unless --load-changed says the change is wanted.
  sound.writeBytes("play/save/Cmtsv4.ini", sound.readBytes("play/save/Cmtsv4.ini") + "\r\n");
  run = runSim(sound, "--scenario 1 --seed 3 --load 4 --until-year 192");
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("Cmtsv4.ini"), std::string::npos) << run.err;
  run = runSim(sound, "--scenario 1 --seed 3 --load 4 --load-changed --until-year 192");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("{\"scenario\":1,\"seed\":3,\"first_year\":191,", 0), 0u) << run.out;
}

TEST(SimCommand, ManyGamesPrintOneLineEachOrTheStatisticsAndFailTheRunOnAFailure) {
  TempGameDir game;
  prepare(game, [](const auto& ini) { std::filesystem::remove(ini / "Gunbatu2.ini"); });
  // Every game is filled from the folder's own data through --dir's ini: here only "play/ini" has it,
  // so the sub-folders are filled from the build's shipped data; use a scenario the shipped data has.
  SimRun run = runSim(game, "--scenario 3 --seed 5 --games 2 --until-year 192 --check");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("{\"scenario\":3,\"seed\":5,", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\n{\"scenario\":3,\"seed\":6,"), std::string::npos) << run.out;
  run = runSim(game, "--scenario all --seed 5 --games 2 --until-year 192 --jobs 2 --stats");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("{\"games\":2,\"failed\":0,", 0), 0u) << run.out;

  // A check that fails names scenario, seed and year on stderr and fails the run.
  std::filesystem::remove(game.root() / "play" / "game-5" / "ini" / "sei.ini");
  run = runSim(game, "--scenario all --seed 5 --games 2 --until-year 192 --stats");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("velkaro-sim: scenario 1, seed 5: the new game could not start: "), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("sei.ini"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("velkaro-sim: 1 of 2 games failed"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.rfind("{\"games\":1,\"failed\":1,", 0), 0u) << run.out;
}
