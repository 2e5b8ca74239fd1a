// velkaro-sim: plays whole games headless through the game's own screens.
//   velkaro-sim --dir DIR --scenario N|all [--seed S] [--players ID,ID,...] [--until-year Y]
//               [--transcript FILE] [--save SLOT] [--load SLOT]
//               [--games K] [--jobs N] [--check] [--stats]
#include <array>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "data/GameDirectory.h"
#include "tools/sim/Batch.h"
#include "tools/sim/BatchStats.h"
#include "tools/sim/Simulation.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// Under node the process is node itself and the program is the .js file beside its shipped/ folder.
EM_JS(int, velkaro_script_folder, (char* out, int size), {
  var folder = typeof __dirname === 'string' ? __dirname : '';
  stringToUTF8(folder, out, size);
  return lengthBytesUTF8(folder);
});
#endif

namespace {

// The folder the shipped data is looked up from: the program's own, never the working one.
std::filesystem::path programFolder() {
#ifdef __EMSCRIPTEN__
  std::array<char, 4096> folder{};
  const int length = velkaro_script_folder(folder.data(), static_cast<int>(folder.size()));
  if (length <= 0 || length >= static_cast<int>(folder.size())) return {};
  return std::filesystem::path(folder.data());
#else
  return velkaro::GameDirectory::runningExecutableFolder();
#endif
}

void usage() {
  std::cerr << "usage: velkaro-sim --dir DIR --scenario N|all [--seed S] [--players ID,ID,...] [--until-year Y]\n"
               "                   [--transcript FILE] [--save SLOT] [--load SLOT]\n"
               "                   [--games K] [--jobs N] [--check] [--stats]\n";
}

bool parseInt(const std::string& text, long long& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  out = std::strtoll(text.c_str(), &end, 10);
  return end != nullptr && *end == '\0';
}

struct Command {
  velkaro::sim::Batch::Settings batch;
  bool many = false;  // --games or --scenario all: the games go into sub-folders
  bool stats = false;
};

bool parsePlayers(const std::string& value, velkaro::sim::Options& options) {
  std::stringstream list(value);
  std::string item;
  long long number = 0;
  while (std::getline(list, item, ',')) {
    if (!parseInt(item, number) || number < 1 || number > 20) {
      std::cerr << "velkaro-sim: bad faction id in --players: " << item << "\n";
      return false;
    }
    options.players.push_back(static_cast<int>(number));
  }
  return true;
}

// One option with its value; false for an unknown option or a bad value.
bool parseValue(const std::string& flag, const std::string& value, Command& command) {
  velkaro::sim::Options& options = command.batch.base;
  long long number = 0;
  if (flag == "--dir") {
    options.dir = value;
  } else if (flag == "--scenario" && value == "all") {
    command.batch.allScenarios = true;
    command.many = true;
    options.scenario = 1;
  } else if (flag == "--scenario" && parseInt(value, number) && number >= 1 && number <= 6) {
    options.scenario = static_cast<int>(number);
  } else if (flag == "--seed" && parseInt(value, number) && number >= 0) {
    options.seed = static_cast<std::uint64_t>(number);
  } else if (flag == "--until-year" && parseInt(value, number) && number >= -32768 && number <= 32767) {
    options.untilYear = static_cast<int>(number);
  } else if (flag == "--transcript") {
    options.transcript = value;
  } else if (flag == "--save") {
    options.saveSlot = value;
  } else if (flag == "--load") {
    options.loadSlot = value;
  } else if (flag == "--games" && parseInt(value, number) && number >= 1 && number <= 1000000) {
    command.batch.games = static_cast<int>(number);
    command.many = true;
  } else if (flag == "--jobs" && parseInt(value, number) && number >= 1 && number <= 256) {
    command.batch.jobs = static_cast<int>(number);
  } else if (flag == "--players") {
    return parsePlayers(value, options);
  } else {
    std::cerr << "velkaro-sim: bad option or value: " << flag << " " << value << "\n";
    return false;
  }
  return true;
}

bool parse(const std::vector<std::string>& args, Command& command) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--check") {
      command.batch.base.check = true;
      continue;
    }
    if (flag == "--stats") {
      command.stats = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      std::cerr << "velkaro-sim: " << flag << " needs a value\n";
      return false;
    }
    if (!parseValue(flag, args[i + 1], command)) return false;
    ++i;
  }
  return !command.batch.base.dir.empty() && command.batch.base.scenario != 0;
}

int runOne(const velkaro::sim::Options& options) {
  velkaro::sim::Simulation simulation(options);
  const velkaro::sim::Summary summary = simulation.run();
  std::cout << summary.json() << std::endl;
  return 0;
}

int runMany(const Command& command) {
  velkaro::sim::Batch batch(command.batch);
  const velkaro::sim::Batch::Outcome outcome = batch.run();
  for (const std::string& failure : outcome.failures) std::cerr << "velkaro-sim: " << failure << "\n";
  if (command.stats) {
    velkaro::sim::BatchStats stats;
    for (const auto& game : outcome.games) stats.add(game);
    for (std::size_t i = 0; i < outcome.failures.size(); ++i) stats.addFailure();
    std::cout << stats.json() << std::endl;
  } else {
    for (const auto& game : outcome.games) std::cout << game.json() << "\n";
    std::cout.flush();
  }
  if (!outcome.failures.empty()) {
    std::cerr << "velkaro-sim: " << outcome.failures.size() << " of " << command.batch.games << " games failed\n";
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Command command;
  if (!parse(std::vector<std::string>(argv + 1, argv + argc), command)) {
    usage();
    return 2;
  }
  // An installed velkaro-sim fills new folders from the installed data, a built one from its build.
  if (const auto installed = velkaro::GameDirectory::findInstalledIni(programFolder())) {
    command.batch.base.shippedIni = installed->string();
  }
  if (command.batch.jobs > 1 && !velkaro::sim::Batch::kCanFork) {
    std::cerr << "velkaro-sim: --jobs: this build cannot start processes; the games are played one after another\n";
  }
  try {
    if (command.many || command.stats) return runMany(command);
    return runOne(command.batch.base);
  } catch (const std::exception& e) {
    std::cerr << "velkaro-sim: " << e.what() << "\n";
    return 1;
  }
}
