#include "tools/sim/Batch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

#include "tools/sim/GameRecord.h"

namespace velkaro::sim {
namespace {

namespace fs = std::filesystem;

std::string readWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeWhole(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string describeDeath(int status) {
  if (WIFSIGNALED(status)) return "the game process died of signal " + std::to_string(WTERMSIG(status));
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    return "the game process exited with status " + std::to_string(WEXITSTATUS(status));
  }
  return "";
}

}  // namespace

Batch::Batch(Settings settings) : settings_(std::move(settings)) {
  if (!settings_.base.seed) settings_.base.seed = std::random_device{}();
  if (settings_.games < 1) settings_.games = 1;
  if (settings_.jobs < 1) settings_.jobs = 1;
}

Options Batch::gameOptions(int index) const {
  Options o = settings_.base;
  o.seed = *settings_.base.seed + static_cast<std::uint64_t>(index);
  if (settings_.allScenarios) o.scenario = index % 6 + 1;
  o.dir = (fs::path(settings_.base.dir) / ("game-" + std::to_string(*o.seed))).string();
  return o;
}

std::string Batch::playHere(int index) const {
  const Options o = gameOptions(index);
  std::error_code ec;
  fs::create_directories(o.dir, ec);
  fs::remove(fs::path(o.dir) / kRecordFile, ec);
  fs::remove(fs::path(o.dir) / kFailureFile, ec);
  std::string failure;
  try {
    Simulation game(o);
    writeWhole(fs::path(o.dir) / kRecordFile, GameRecord::write(game.run()));
    return "";
  } catch (const CheckFailed& e) {
    failure = e.what();
  } catch (const std::exception& e) {
    failure = "scenario " + std::to_string(o.scenario) + ", seed " + std::to_string(*o.seed) + ": " + e.what();
  }
  writeWhole(fs::path(o.dir) / kFailureFile, failure);
  return failure;
}

void Batch::gather(int index, Outcome& outcome, const std::string& death) const {
  const Options o = gameOptions(index);
  const fs::path folder(o.dir);
  if (auto summary = GameRecord::read(readWhole(folder / kRecordFile)); summary && death.empty()) {
    outcome.games.push_back(*summary);
    return;
  }
  std::string failure = readWhole(folder / kFailureFile);
  if (failure.empty()) {
    failure = "scenario " + std::to_string(o.scenario) + ", seed " + std::to_string(*o.seed) + ": " +
              (death.empty() ? "the game left no result" : death);
  }
  outcome.failures.push_back(failure);
}

void Batch::playForked(Outcome& outcome) const {
  std::map<pid_t, int> running;  // process -> game index
  std::map<int, std::string> deaths;
  int next = 0;
  std::cout.flush();
  std::cerr.flush();
  while (next < settings_.games || !running.empty()) {
    if (next < settings_.games && static_cast<int>(running.size()) < settings_.jobs) {
      const pid_t pid = fork();
      if (pid == 0) std::exit(playHere(next).empty() ? 0 : 1);
      if (pid < 0) {
        deaths[next] = "the game process could not be started";
      } else {
        running[pid] = next;
      }
      ++next;
      continue;
    }
    int status = 0;
    const pid_t done = waitpid(-1, &status, 0);
    if (done < 0) break;
    const auto it = running.find(done);
    if (it == running.end()) continue;
    // A game that failed a check exits with 1 and leaves its message; only a death without one counts here.
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 1)) deaths[it->second] = describeDeath(status);
    running.erase(it);
  }
  for (int i = 0; i < settings_.games; ++i) gather(i, outcome, deaths.count(i) ? deaths[i] : "");
}

Batch::Outcome Batch::run() {
  Outcome outcome;
  if (settings_.jobs <= 1 || !kCanFork) {
    for (int i = 0; i < settings_.games; ++i) {
      playHere(i);
      gather(i, outcome, "");
    }
  } else {
    playForked(outcome);
  }
  return outcome;
}

}  // namespace velkaro::sim
