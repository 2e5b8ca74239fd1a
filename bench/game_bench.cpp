// Timings of the game as a player meets it: one year, the same year's file calls alone (its I/O
// floor), a whole scenario-1 game, and opening the main screen, an explanation and a page of
// the resolution. All headless through the game's own screens, with the game folder on the
// ordinary disk under the temporary folder.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "data/FileCache.h"
#include "game/GameScreens.h"
#include "resolution/ResolutionScreen.h"
#include "screens/StrategyExplanation.h"
#include "setup/TitleScreen.h"
#include "tools/sim/Drivers.h"
#include "tools/sim/Simulation.h"
#include "turn/MainScreen.h"
#include "ui/scripted/ScriptedUi.h"

namespace {

using namespace velkaro;
using Clock = std::chrono::steady_clock;

// CPU seconds of this process: on a shared machine the wall time also holds other programs' turns.
double cpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

constexpr int kYears = 20;  // a scenario-1 game lasts 27 years; every benchmark year is a real one

// A fresh game folder with the shipped data, removed again at the end.
class GameFolder {
 public:
  GameFolder() {
    root_ = std::filesystem::temp_directory_path() / ("velkaro-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root_ / "save");
    std::filesystem::copy(VELKARO_SHIPPED_INI, root_ / "ini", std::filesystem::copy_options::recursive);
  }
  ~GameFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  std::string root() const { return root_.string(); }

 private:
  std::filesystem::path root_;
};

// Thrown out of a screen handler once the benchmark has what it needs.
struct Done {};

// One file call of the game: what, where and how many bytes.
struct FileCall {
  FileCache::Access access;
  std::string path;
  std::size_t size;
};
using YearCalls = std::vector<FileCall>;

// A seeded scenario-1 game whose first faction is a human player; the handler given gets the
// main screen once it is first shown.
class Game {
 public:
  explicit Game(ScriptedUi::Handler main) : ctx_(GamePaths(folder_.root())) {
    ctx_.rng.fixSeed(1);
    // Without the screens the title screen cannot open the main screen, and no year is played.
    ui_.setScreenMaker(GameScreens::all());
    ui_.onShow("TitleScreen", [](Screen& screen) {
      auto& title = static_cast<TitleScreen&>(screen);
      title.List1[0].listIndex = 0;
      title.List1_Click(0);
      title.List1[1].setSelected(0, true);
      title.Command2_Click();
    });
    ui_.onShow("MainScreen", std::move(main));
    ui_.onShow("ResolutionScreen", [](Screen& screen) { sim::Drivers::pageThrough(screen); });
    ui_.onShow("StrategyExplanation", [](Screen& screen) { sim::Drivers::confirmStrategy(screen); });
  }
  void play() {
    try {
      ui_.showModeless(std::make_unique<TitleScreen>(ctx_, ui_));
    } catch (const Done&) {
    }
  }
  GameContext& ctx() { return ctx_; }
  ScriptedUi& ui() { return ui_; }

  // Plays turns until the year changes (the computer chooses for every panel).
  static void playYear(MainScreen& game) {
    const int16 year = game.year();
    while (!game.closed && game.year() == year) game.Command1_Click(3);
  }

 private:
  GameFolder folder_;
  GameContext ctx_;
  ScriptedUi ui_;
};

// The floor: the same files read and rewritten with plain calls, whole-file reads and in-place
// rewrites of the same sizes, in the order the game made them.
// Returns the wall seconds and adds the CPU seconds to *cpu when given.
double replaySeconds(const YearCalls& calls, double* cpu = nullptr) {
  static std::string buffer(1 << 20, '\0');
  const double cpuStart = cpuSeconds();
  const auto start = Clock::now();
  for (const FileCall& call : calls) {
    if (call.access == FileCache::Access::read) {
      const int fd = ::open(call.path.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      while (::read(fd, buffer.data(), buffer.size()) > 0) {
      }
      ::close(fd);
    } else {
      const int fd = ::open(call.path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
      if (fd < 0) continue;
      benchmark::DoNotOptimize(::pwrite(fd, buffer.data(), std::min(call.size, buffer.size()), 0));
      benchmark::DoNotOptimize(::ftruncate(fd, static_cast<off_t>(call.size)));
      ::close(fd);
    }
  }
  if (cpu != nullptr) *cpu += cpuSeconds() - cpuStart;
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every year of the game is timed and its file calls recorded; after the timed years the
// same calls are replayed in the same folder for the floor.
void Year(benchmark::State& state) {
  std::vector<YearCalls> years;
  double gameSeconds = 0;
  double gameCpu = 0;
  Game game([&](Screen& screen) {
    auto& main = static_cast<MainScreen&>(screen);
    FileCache::shared().observer = [&](FileCache::Access access, const std::string& path, std::size_t size) {
      years.back().push_back({access, path, size});
    };
    for (auto _ : state) {
      years.emplace_back();
      years.back().reserve(256);
      const double cpuStart = cpuSeconds();
      const auto start = Clock::now();
      Game::playYear(main);
      gameSeconds += std::chrono::duration<double>(Clock::now() - start).count();
      gameCpu += cpuSeconds() - cpuStart;
    }
    FileCache::shared().observer = nullptr;
    throw Done{};
  });
  game.play();
  double floorSeconds = 0;
  double floorCpu = 0;
  std::size_t calls = 0;
  for (const YearCalls& year : years) {
    floorSeconds += replaySeconds(year, &floorCpu);
    calls += year.size();
  }
  const double n = static_cast<double>(years.size());
  state.counters["floor_us"] = floorSeconds / n * 1e6;
  state.counters["year_us"] = gameSeconds / n * 1e6;
  state.counters["ratio"] = floorSeconds > 0 ? gameSeconds / floorSeconds : 0;
  state.counters["cpu_ratio"] = floorCpu > 0 ? gameCpu / floorCpu : 0;
  state.counters["file_calls"] = static_cast<double>(calls) / n;
}
BENCHMARK(Year)->Iterations(kYears)->Repetitions(3)->Unit(benchmark::kMicrosecond);

// The floor alone, as its own timing: the calls of the same seeded years, one year per iteration.
void YearIoFloor(benchmark::State& state) {
  std::vector<YearCalls> years;
  Game game([&](Screen& screen) {
    auto& main = static_cast<MainScreen&>(screen);
    FileCache::shared().observer = [&](FileCache::Access access, const std::string& path, std::size_t size) {
      years.back().push_back({access, path, size});
    };
    for (int y = 0; y < kYears; ++y) {
      years.emplace_back();
      Game::playYear(main);
    }
    FileCache::shared().observer = nullptr;
    std::size_t next = 0;
    for (auto _ : state) replaySeconds(years[next++ % years.size()]);
    throw Done{};
  });
  game.play();
}
BENCHMARK(YearIoFloor)->Iterations(kYears)->Repetitions(3)->Unit(benchmark::kMicrosecond);

// A whole seeded scenario-1 game as velkaro-sim plays it, from the title screen to the credits.
void WholeGame(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto folder = std::make_unique<GameFolder>();
    sim::Options options;
    options.dir = folder->root();
    options.scenario = 1;
    options.seed = 1;
    state.ResumeTiming();
    benchmark::DoNotOptimize(sim::Simulation(options).run());
    state.PauseTiming();
    folder.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(WholeGame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The main screen opened on a running game: every file read and the menus dealt.
void OpenMainScreen(benchmark::State& state) {
  Game* running = nullptr;
  Game game([&](Screen&) {
    for (auto _ : state) {
      MainScreen fresh(running->ctx(), running->ui());
      fresh.Form_Load();
      benchmark::DoNotOptimize(fresh.year());
    }
    throw Done{};
  });
  running = &game;
  game.play();
}
BENCHMARK(OpenMainScreen)->Unit(benchmark::kMicrosecond);

// The explanation of the first strategy the human player's menu offers.
void OpenStrategyExplanation(benchmark::State& state) {
  Game* running = nullptr;
  Game game([&](Screen& screen) {
    auto& main = static_cast<MainScreen&>(screen);
    running->ui().onShow("StrategyExplanation", [&](Screen&) {
      for (auto _ : state) {
        StrategyExplanation fresh(running->ctx(), running->ui());
        fresh.Form_Load();
      }
      throw Done{};
    });
    while (!main.closed) {
      const int panel = main.currentPanel();
      if (panel >= 0 && main.Com_Lst[static_cast<std::size_t>(panel)].listCount() > 0) {
        main.Com_Lst[static_cast<std::size_t>(panel)].listIndex = 0;
        main.Com_Lst_Click(panel);
      }
      main.Command1_Click(3);
    }
  });
  running = &game;
  game.play();
}
BENCHMARK(OpenStrategyExplanation)->Unit(benchmark::kMicrosecond);

// Turning one page of the first year's narration (back and forth between two pages).
void ResolutionPage(benchmark::State& state) {
  Game game([](Screen& screen) {
    Game::playYear(static_cast<MainScreen&>(screen));
  });
  game.ui().onShow("ResolutionScreen", [&](Screen& screen) {
    auto& pages = static_cast<ResolutionScreen&>(screen);
    int turn = 0;
    for (auto _ : state) pages.Command1_Click(turn++ % 2 == 0 ? 2 : 1);
    throw Done{};
  });
  game.play();
}
BENCHMARK(ResolutionPage)->Unit(benchmark::kMicrosecond);

}  // namespace
