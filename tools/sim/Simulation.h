#pragma once
// A whole game played headless through the game's own screens and the scripted Ui: the
// title screen, the players' turns on the main screen, every resolution page, the reports and
// the credits.
#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/GameContext.h"
#include "ui/scripted/ScriptedUi.h"

namespace velkaro {
class MainScreen;
class ResolutionScreen;
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
  // A slot whose files were changed outside the game is loaded only with this (the game asks,
  // and the simulator answers Yes); without it the load is refused.
  bool loadChanged = false;
  std::string shippedIni;  // where a missing DIR/ini is filled from; empty = the build's own
  bool check = false;      // audit the game after every year (GameAudit, LogAudit)
};

// Thrown when --check finds a broken rule; what() names scenario, seed, year and the rule.
class CheckFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Thrown when the game refused to go on (a new game, a save or a load failed); what() carries the game's message.
class GameRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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
  // For the aggregated statistics: lines carried out per strategy number, and battles by
  // kind (0 war, 1 righteous war), plan 1..7 and verdict (0 draw, 1 attacker, 2 defender).
  std::array<int, 14> carriedOut{};
  std::map<std::array<int, 3>, int> battles;
  std::string json() const;
  static std::string jsonString(const std::string& text);
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
  void saveAt(MainScreen& game);
  // The message boxes shown from the mark on, joined on one line.
  std::string messagesSince(std::size_t mark) const;
  void auditYear(const MainScreen& game);
  void auditResolution(const ResolutionScreen& screen);
  void failCheck(int year, const std::vector<std::string>& findings) const;

  Options options_;
  GameContext ctx_;
  ScriptedUi ui_;
  std::mt19937_64 choices_;
  std::ofstream transcript_;
  std::vector<std::string> lines_;
  Summary summary_;
  MainScreen* main_ = nullptr;
  std::map<int, bool> wasDestroyed_;
  int auditedYear_ = 0;
  std::string declinedLoad_;  // the question about a changed slot that was answered No
};

}  // namespace velkaro::sim
