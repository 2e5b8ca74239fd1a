#pragma once
// A whole game played headless through the game's own screens and the scripted Ui: the
// title screen, the players' turns on the main screen, every resolution page, the reports and
// the credits.
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data/GameContext.h"
#include "ui/scripted/ScriptedUi.h"

namespace velkaro {
class MainScreen;
}

namespace velkaro::sim {

struct Options {
  std::string dir;
  int scenario = 0;
  std::optional<std::uint64_t> seed;
  std::vector<int> players;  // faction ids led by "humans"
  std::optional<int> untilYear;
  std::string transcript;
  std::optional<std::string> saveSlot;
  std::optional<std::string> loadSlot;
  std::string shippedIni;  // where a missing DIR/ini is filled from; empty = the build's own
};

struct FactionResult {
  int id = 0;
  std::string name;
  double score = 0;
  bool destroyed = false;
};

struct Summary {
  int scenario = 0;
  std::uint64_t seed = 0;
  int firstYear = 0;
  int lastYear = 0;
  int wars = 0;
  int righteousWars = 0;
  bool ended = false;  // the program ended after the credits
  std::vector<std::pair<int, int>> destroyed;  // (faction id, year)
  std::vector<FactionResult> factions;
  std::string json() const;
};

class Simulation {
 public:
  explicit Simulation(Options options);
  Summary run();

  // Every transcript line written so far (also appended to the transcript file).
  const std::vector<std::string>& transcriptLines() const { return lines_; }

 private:
  void prepareDirectory();
  void installHandlers();
  void playTitle(Screen& screen);
  void playMain(Screen& screen);
  void driveResolution(Screen& screen);
  void driveSaveLoad(Screen& screen, const std::string& slot);
  void noteDestroyed();
  void finish();
  void write(const std::string& text);

  Options options_;
  GameContext ctx_;
  ScriptedUi ui_;
  std::mt19937_64 choices_;
  std::ofstream transcript_;
  std::vector<std::string> lines_;
  Summary summary_;
  MainScreen* main_ = nullptr;
  std::map<int, bool> wasDestroyed_;
};

}  // namespace velkaro::sim
