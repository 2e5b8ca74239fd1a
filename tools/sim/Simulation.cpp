#include "tools/sim/Simulation.h"

#include <filesystem>
#include <iomanip>
#include <sstream>
#include <stdexcept>

#include "data/FactionTable.h"
#include "game/GameScreens.h"
#include "data/StateFiles.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"
#include "turn/Report.h"
#include "resolution/ResolutionScreen.h"
#include "setup/Scenario.h"
#include "tools/sim/Drivers.h"
#include "tools/sim/GameAudit.h"
#include "tools/sim/LogAudit.h"

namespace velkaro::sim {
namespace {

// Thrown to stop the run when the main screen reaches the requested year.
struct StopRun {};

}  // namespace

std::string Summary::jsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Summary::json() const {
  std::ostringstream out;
  out << "{\"scenario\":" << scenario << ",\"seed\":" << seed << ",\"first_year\":" << firstYear
      << ",\"last_year\":" << lastYear << ",\"wars\":" << wars << ",\"righteous_wars\":" << righteousWars
      << ",\"ended\":" << (ended ? "true" : "false") << ",\"destroyed\":[";
  for (std::size_t i = 0; i < destroyed.size(); ++i) {
    out << (i ? "," : "") << "{\"id\":" << destroyed[i].first << ",\"year\":" << destroyed[i].second << "}";
  }
  out << "],\"scores\":[";
  for (std::size_t i = 0; i < factions.size(); ++i) {
    const FactionResult& f = factions[i];
    std::ostringstream score;
    score << std::setprecision(7) << f.score;
    out << (i ? "," : "") << "{\"id\":" << f.id << ",\"name\":" << jsonString(f.name) << ",\"score\":" << score.str()
        << ",\"destroyed\":" << (f.destroyed ? "true" : "false") << "}";
  }
  out << "]}";
  return out.str();
}

Simulation::Simulation(Options options) : options_(std::move(options)), ctx_(GamePaths(options_.dir)) {
  if (!options_.seed) options_.seed = std::random_device{}();
  ctx_.rng.fixSeed(*options_.seed);
  choices_.seed(*options_.seed ^ 0x9E3779B97F4A7C15ull);
  summary_.scenario = options_.scenario;
  summary_.seed = *options_.seed;
  ui_.setScreenMaker(GameScreens::all());
}

std::string Simulation::messagesSince(std::size_t mark) const {
  std::string text;
  for (std::size_t i = mark; i < ui_.messages.size(); ++i) {
    std::string message = ui_.messages[i];
    // The questions the simulator answered are not the reason.
    if (message.size() >= 3 && message.compare(message.size() - 3, 3, "？") == 0) continue;
    for (char& c : message) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    text += (text.empty() ? "" : " / ") + message;
  }
  return text.empty() ? "no message" : text;
}

void Simulation::write(const std::string& text) {
  lines_.push_back(text);
  if (transcript_.is_open()) {
    transcript_ << text << "\n";
    transcript_.flush();
  }
}

void Simulation::prepareDirectory() {
  namespace fs = std::filesystem;
  const fs::path root = options_.dir;
  std::error_code ec;
  fs::create_directories(root, ec);
  if (!fs::is_directory(root / "ini")) {
    const fs::path shipped = options_.shippedIni.empty() ? fs::path(VELKARO_SHIPPED_INI) : fs::path(options_.shippedIni);
    if (!fs::is_directory(shipped)) throw std::runtime_error("the shipped data folder is missing: " + shipped.string());
    fs::copy(shipped, root / "ini", fs::copy_options::recursive);
  }
  fs::create_directories(root / "save", ec);
  if (!options_.transcript.empty()) {
    transcript_.open(options_.transcript, std::ios::app | std::ios::binary);
    if (!transcript_) throw std::runtime_error("cannot open the transcript file " + options_.transcript);
  }
}

void Simulation::installHandlers() {
  ui_.onMessage = [this](const std::string& text) { write(text); };
  ui_.onShow("TitleScreen", [this](Screen& screen) { playTitle(screen); });
  ui_.onShow("MainScreen", [this](Screen& screen) { playMain(screen); });
  ui_.onShow("ResolutionScreen", [this](Screen& screen) { driveResolution(screen); });
  ui_.onShow("StrategyExplanation", [](Screen& screen) { Drivers::confirmStrategy(screen); });
}

void Simulation::playTitle(Screen& screen) {
  auto& title = static_cast<TitleScreen&>(screen);
  title.List1[0].listIndex = options_.scenario - 1;
  title.List1_Click(0);
  if (options_.loadSlot) {
    // The only yes/no question on the load screen is whether to take files changed outside the
    // game; the game that follows keeps the default answers.
    ui_.onShow("SaveLoadScreen", [this](Screen& s) {
      ui_.policy = [this](const std::string& prompt, MsgStyle style) {
        if (style != MsgStyle::YesNo) return MsgResult::Ok;
        if (options_.loadChanged) return MsgResult::Yes;
        declinedLoad_ = prompt;
        return MsgResult::No;
      };
      driveSaveLoad(s, *options_.loadSlot);
      ui_.policy = nullptr;
    });
    title.Command1_Click(1);
    if (!title.closed && !declinedLoad_.empty()) {
      std::string question = declinedLoad_;
      for (char& c : question) {
        if (c == '\r' || c == '\n') c = ' ';
      }
      throw GameRefused("the saved game " + *options_.loadSlot + " was not loaded: " + question +
                        " (answered No; --load-changed loads it)");
    }
    if (!title.closed) {
      throw GameRefused("the saved game " + *options_.loadSlot + " could not be loaded: " + messagesSince(0));
    }
    return;
  }
  ListBox& factions = title.List1[1];
  bool any = false;
  for (int id : options_.players) {
    for (int row = 0; row < factions.listCount(); ++row) {
      if (factions.itemData(row) == id) {
        factions.setSelected(row, true);
        any = true;
      }
    }
  }
  if (!options_.players.empty() && !any) throw std::runtime_error("none of the --players factions is in the scenario");
  // Without players the first faction holds the one human seat, and the computer plays it.
  if (!any) factions.setSelected(0, true);
  title.Command2_Click();
  // The title screen stays open only when the game refused to start; its last message says why.
  if (!title.closed) throw GameRefused("the new game could not start: " + messagesSince(0));
}

void Simulation::playMain(Screen& screen) {
  auto& game = static_cast<MainScreen&>(screen);
  main_ = &game;
  if (summary_.firstYear == 0) summary_.firstYear = game.year();
  {
    FactionTable factions;
    StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
    for (int f = 1; f <= ctx_.FACTION_MAX; ++f) wasDestroyed_[f] = factions[f].del;
  }
  const bool humans = !options_.players.empty();
  while (!game.closed) {
    if (options_.check && game.year() != auditedYear_) auditYear(game);
    if (options_.untilYear && game.year() >= *options_.untilYear) {
      if (options_.saveSlot) saveAt(game);
      throw StopRun{};
    }
    const int16 yearBefore = game.year();
    const int16 tebanBefore = game.teban();
    const int panel = game.currentPanel();
    if (humans && panel >= 0 && (choices_() & 1) == 0 && game.Com_Lst[static_cast<std::size_t>(panel)].listCount() > 0) {
      ListBox& menu = game.Com_Lst[static_cast<std::size_t>(panel)];
      menu.listIndex = static_cast<int>(choices_() % static_cast<std::uint64_t>(menu.listCount()));
      game.Com_Lst_Click(panel);
      if (game.year() != yearBefore || game.teban() != tebanBefore) continue;
    }
    game.Command1_Click(3);
  }
}

void Simulation::saveAt(MainScreen& game) {
  ui_.onShow("SaveLoadScreen", [this](Screen& s) { driveSaveLoad(s, *options_.saveSlot); });
  const std::size_t mark = ui_.messages.size();
  game.cmdSave_Click();
  if (ctx_.confirmResult != 1) {
    throw GameRefused("the game could not be saved in slot " + *options_.saveSlot + ": " + messagesSince(mark));
  }
}

void Simulation::failCheck(int year, const std::vector<std::string>& findings) const {
  if (findings.empty()) return;
  std::string text = "check failed: scenario " + std::to_string(options_.scenario) + ", seed " +
                     std::to_string(*options_.seed) + ", year " + std::to_string(year) + ": " + findings.front();
  if (findings.size() > 1) text += " (and " + std::to_string(findings.size() - 1) + " more)";
  throw CheckFailed(text);
}

static GameAudit::Sizes auditSizes(const GameContext& ctx) {
  return {ctx.OFFICER_MAX, ctx.FACTION_MAX, Scenario::byNumber(ctx.scenario).officerMax};
}

void Simulation::auditYear(const MainScreen& game) {
  auditedYear_ = game.year();
  Findings findings;
  GameAudit::state(ctx_.dir, ctx_.meishu, auditSizes(ctx_), findings);
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  std::array<std::vector<int>, kPanels> listed;
  for (int k = 0; k < kPanels; ++k) {
    const ListBox& list = game.Gun_lst[static_cast<std::size_t>(k)];
    for (int row = 0; row < list.listCount(); ++row) listed[static_cast<std::size_t>(k)].push_back(list.itemData(row));
  }
  GameAudit::panels(listed, factions, ctx_.FACTION_MAX, findings);
  failCheck(game.year(), findings);
}

void Simulation::auditResolution(const ResolutionScreen& screen) {
  Findings findings;
  const Board& board = screen.board();
  GameAudit::stateFiles(ctx_.dir, board.officers, board.factions, auditSizes(ctx_), findings);
  LogAudit::check(ctx_.dir, Scenario::byNumber(ctx_.scenario).startYear, ctx_.resolutionYear, findings);
  failCheck(ctx_.resolutionYear, findings);
}

void Simulation::driveResolution(Screen& screen) {
  if (ctx_.runMode == 1) {
    const auto& msg = static_cast<const ResolutionScreen&>(screen);
    for (std::size_t code = 0; code < msg.carriedOut.size(); ++code) summary_.carriedOut[code] += msg.carriedOut[code];
    for (const ResolutionScreen::BattleResult& b : msg.battles) ++summary_.battles[{b.gisen ? 1 : 0, b.plan, b.verdict}];
    if (options_.check) auditResolution(msg);
  }
  const Drivers::Pages pages = Drivers::pageThrough(screen);
  for (const std::string& page : pages.texts) write(page);
  summary_.wars += pages.wars;
  summary_.righteousWars += pages.righteousWars;
  if (ctx_.runMode == 1) {
    summary_.lastYear = ctx_.resolutionYear;
    noteDestroyed();
  }
}

void Simulation::driveSaveLoad(Screen& screen, const std::string& slot) { Drivers::typeSlot(screen, slot); }

void Simulation::noteDestroyed() {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  for (int f = 1; f <= ctx_.FACTION_MAX; ++f) {
    const bool now = factions[f].del;
    auto seen = wasDestroyed_.find(f);
    if (now && (seen == wasDestroyed_.end() || !seen->second)) summary_.destroyed.emplace_back(f, ctx_.resolutionYear);
    wasDestroyed_[f] = now;
  }
}

void Simulation::finish() {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  std::array<long, kPanels> troops{};
  if (main_ != nullptr) troops = main_->allianceTroops();
  const Report report(ctx_, troops);
  for (int f = 1; f <= ctx_.FACTION_MAX; ++f) {
    summary_.factions.push_back({f, factions[f].name, report.score(factions[f]), factions[f].del});
  }
}

Summary Simulation::run() {
  prepareDirectory();
  installHandlers();
  try {
    ui_.showModeless(std::make_unique<TitleScreen>(ctx_, ui_));
  } catch (const ProgramEnded&) {
    summary_.ended = true;
  } catch (const StopRun&) {
  }
  finish();
  return summary_;
}

}  // namespace velkaro::sim
