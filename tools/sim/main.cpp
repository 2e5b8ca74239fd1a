// velkaro-sim: plays whole games headless through the game's own screens.
//   velkaro-sim --dir DIR --scenario N [--seed S] [--players ID,ID,...] [--until-year Y]
//               [--transcript FILE] [--save SLOT] [--load SLOT]
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tools/sim/Simulation.h"

namespace {

void usage() {
  std::cerr << "usage: velkaro-sim --dir DIR --scenario N [--seed S] [--players ID,ID,...] [--until-year Y]\n"
               "                   [--transcript FILE] [--save SLOT] [--load SLOT]\n";
}

bool parseInt(const std::string& text, long long& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  out = std::strtoll(text.c_str(), &end, 10);
  return end != nullptr && *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  velkaro::sim::Options options;
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (i + 1 >= args.size()) {
      std::cerr << "velkaro-sim: " << flag << " needs a value\n";
      usage();
      return 2;
    }
    const std::string value = args[++i];
    long long number = 0;
    if (flag == "--dir") {
      options.dir = value;
    } else if (flag == "--scenario" && parseInt(value, number) && number >= 1 && number <= 6) {
      options.scenario = static_cast<int>(number);
    } else if (flag == "--seed" && parseInt(value, number) && number >= 0) {
      options.seed = static_cast<std::uint64_t>(number);
    } else if (flag == "--until-year" && parseInt(value, number)) {
      options.untilYear = static_cast<int>(number);
    } else if (flag == "--transcript") {
      options.transcript = value;
    } else if (flag == "--save") {
      options.saveSlot = value;
    } else if (flag == "--load") {
      options.loadSlot = value;
    } else if (flag == "--players") {
      std::stringstream list(value);
      std::string item;
      while (std::getline(list, item, ',')) {
        if (!parseInt(item, number) || number < 1 || number > 20) {
          std::cerr << "velkaro-sim: bad faction id in --players: " << item << "\n";
          return 2;
        }
        options.players.push_back(static_cast<int>(number));
      }
    } else {
      std::cerr << "velkaro-sim: bad option or value: " << flag << " " << value << "\n";
      usage();
      return 2;
    }
  }
  if (options.dir.empty() || options.scenario == 0) {
    usage();
    return 2;
  }
  try {
    velkaro::sim::Simulation simulation(options);
    const velkaro::sim::Summary summary = simulation.run();
    std::cout << summary.json() << std::endl;
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "velkaro-sim: " << e.what() << "\n";
    return 1;
  }
}
