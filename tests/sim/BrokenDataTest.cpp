// Broken copies of the shipped data folder, one fault each, played through the simulator: the
// game either names the file in a message or plays on with its fallback; it never crashes,
// never hangs and never leaves a torn or mixed file behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "data/DataError.h"
#include "data/FactionTable.h"
#include "data/FileCache.h"
#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "persistence/SaveSlot.h"
#include "support/TempGameDir.h"
#include "tools/sim/Simulation.h"

using namespace velkaro;
using velkaro::test::TempGameDir;
namespace fs = std::filesystem;

namespace {

enum class Outcome { NamesTheFile, PlaysOn, Either };

struct BrokenCase {
  const char* name;
  const char* file;  // the file the message must name
  Outcome expected;
  std::function<void(TempGameDir&)> breakIt;
  bool load = false;  // continue slot 1 instead of a new game
  bool asOtherUser = false;  // played without root's rights, so that permission bits count
  const char* reason = nullptr;  // what the message must say besides the file, when given
};

void cut(TempGameDir& g, const std::string& file, std::size_t keep) {
  const std::string bytes = g.readBytes(file);
  g.writeBytes(file, bytes.substr(0, std::min(keep, bytes.size())));
}

// Replaces the first occurrence of `from` (UTF-8) in a CP932 file.
void replaceText(TempGameDir& g, const std::string& file, const std::string& from, const std::string& to) {
  std::string text = g.readText(file);
  const auto at = text.find(from);
  ASSERT_NE(at, std::string::npos) << file << " " << from;
  text.replace(at, from.size(), to);
  g.writeBytes(file, *Codec::toCp932(text));
}

struct Played {
  std::string messages;  // every message and page, joined
  int lastYear = 0;
};

Played play(const TempGameDir& g, bool load) {
  sim::Options o;
  o.dir = g.root().string();
  o.scenario = 1;
  o.seed = 11;
  o.untilYear = 191;
  if (load) o.loadSlot = "1";
  sim::Simulation simulation(o);
  Played played;
  try {
    played.lastYear = simulation.run().lastYear;
  } catch (const std::exception& e) {
    played.messages += e.what();
  }
  for (const std::string& line : simulation.transcriptLines()) played.messages += line + "\n";
  return played;
}

// Root reads every file whatever its permission bits, so the game is played as "nobody" then,
// in a folder handed over to that user.
Played playAsOtherUser(const TempGameDir& g, bool load) {
  if (geteuid() != 0) return play(g, load);
  constexpr uid_t kNobody = 65534;
  for (const auto& entry : fs::recursive_directory_iterator(g.root())) EXPECT_EQ(lchown(entry.path().c_str(), kNobody, kNobody), 0);
  EXPECT_EQ(chown(g.root().c_str(), kNobody, kNobody), 0);
  EXPECT_EQ(setegid(kNobody), 0);
  EXPECT_EQ(seteuid(kNobody), 0);
  Played played = play(g, load);
  EXPECT_EQ(seteuid(0), 0);
  EXPECT_EQ(setegid(0), 0);
  return played;
}

// Every state file that is there reads whole with the game's readers.
void expectNothingTorn(const TempGameDir& g, const std::string& row, bool slotBroken = false) {
  for (const char* folder : {"ini", "save"}) {
    for (const auto& entry : fs::directory_iterator(g.root() / folder)) {
      const std::string name = entry.path().filename().string();
      EXPECT_FALSE(name.ends_with(".tmp~") || name.ends_with(".old~") || name.ends_with(".journal")) << row << ": " << name;
    }
  }
  if (!g.dir().exists("\\ini\\busv.ini") || !g.dir().exists("\\ini\\gunsv.ini")) return;
  try {
    OfficerTable officers;
    FactionTable factions;
    StateFiles(g.dir()).loadOfficers(officers, 170);
    StateFiles(g.dir()).loadFactions(factions, 13);
  } catch (const DataError& e) {
    ADD_FAILURE() << row << ": " << e.what();
  }
  if (!slotBroken && g.dir().exists("\\save\\save1.ini")) {
    EXPECT_NO_THROW(SaveSlot(g.dir(), "1").inspect()) << row;
  }
}

const std::vector<BrokenCase>& cases() {
  static const std::vector<BrokenCase> table = {
      {"missing officer master", "Bushou1.ini", Outcome::NamesTheFile, [](TempGameDir& g) { fs::remove(g.root() / "ini/Bushou1.ini"); }},
      {"empty faction master", "Gunbatu1.ini", Outcome::NamesTheFile, [](TempGameDir& g) { g.writeBytes("ini/Gunbatu1.ini", ""); }},
      {"name pool is a folder", "sei.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         fs::remove(g.root() / "ini/sei.ini");
         fs::create_directories(g.root() / "ini/sei.ini");
       }},
      {"truncated officer record", "Bushou1.ini", Outcome::NamesTheFile, [](TempGameDir& g) { cut(g, "ini/Bushou1.ini", 3000); }},
      {"header with letters", "Gunbatu1.ini", Outcome::Either,
       [](TempGameDir& g) { replaceText(g, "ini/Gunbatu1.ini", ".2\r\n", ".ab\r\n"); }},
      {"name that is not CP932", "Bushou1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         std::string bytes = g.readBytes("ini/Bushou1.ini");
         bytes.replace(bytes.find('"') + 1, 2, "\x81\x7f");
         g.writeBytes("ini/Bushou1.ini", bytes);
       }},
      {"ability of 0", "Bushou1.ini", Outcome::Either, [](TempGameDir& g) { replaceText(g, "ini/Bushou1.ini", "\r\n6,8,6,8\r\n", "\r\n0,8,6,8\r\n"); }},
      {"ability of 40", "Bushou1.ini", Outcome::Either, [](TempGameDir& g) { replaceText(g, "ini/Bushou1.ini", "\r\n6,8,6,8\r\n", "\r\n40,8,6,8\r\n"); }},
      {"ruler that does not exist", "Gunbatu1.ini", Outcome::Either,
       [](TempGameDir& g) { replaceText(g, "ini/Gunbatu1.ini", "\r\n0,1,80,", "\r\n0,199,80,"); }},
      {"officer name of 100 KB", "Bushou1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { replaceText(g, "ini/Bushou1.ini", "\"董卓\"", "\"" + std::string(100000, 'a') + "\""); }},
      {"Text.ini line of 10 MB", "Text.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { replaceText(g, "ini/Text.ini", "\r\n.2\r\n", "\r\n.2\r\n" + std::string(10000000, 'x') + "\r\n"); }},
      {"family name of 100 KB", "sei.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { g.writeText("ini/sei.ini", std::string(100000, 'x') + "\n" + g.readText("ini/sei.ini")); }},
      {"officer master without read permission", "Bushou1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { fs::permissions(g.root() / "ini/Bushou1.ini", fs::perms::none); }, false, true},
      {"Text.ini without its sections", "Text.ini", Outcome::Either, [](TempGameDir& g) { g.writeText("ini/Text.ini", ".1\n文\n..\n"); }},
      {"log with text after its terminator", "velkaro.log", Outcome::PlaysOn,
       [](TempGameDir& g) { g.writeText("ini/velkaro.log", "Velkaroの記録\nEOT=======\n余計な行\n"); }},
      {"slot file with three lines", "save1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { g.writeText("save/save1.ini", "同盟結束力\n191,50,50,50,1,0\n名\n"); }, true},
      {"slot officer file cut at a record", "busv1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         const std::string bytes = g.readBytes("save/busv1.ini");
         g.writeBytes("save/busv1.ini", bytes.substr(0, bytes.find("\r\n.100\r\n") + 2));
       },
       true},
      // Slot files edited by hand: each is refused for what it holds, naming the file.
      {"slot year of -5", "save1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { replaceText(g, "save/save1.ini", "\r\n191,", "\r\n-5,"); }, true, false,
       "年-5はシナリオ1の"},
      {"slot scenario 9", "save1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         std::string text = g.readText("save/save1.ini");
         const auto second = text.find("\r\n") + 2;
         const auto end = text.find("\r\n", second);
         const auto scenario = text.rfind(',', text.rfind(',', end - 1) - 1) + 1;  // the fifth of six entries
         text.replace(scenario, 1, "9");
         g.writeBytes("save/save1.ini", *Codec::toCp932(text));
       },
       true, false, "シナリオ番号9は1〜6の範囲外です"},
      {"slot ability of 40", "busv1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         std::string text = g.readText("save/busv1.ini");
         const auto numbers = text.find("\r\n", text.find("\r\n") + 2) + 2;  // the file opens with ".1" and its name
         text.replace(numbers, text.find(',', numbers) - numbers, "40");
         g.writeBytes("save/busv1.ini", *Codec::toCp932(text));
       },
       true, false, "記録 .1 の政治 40 は 1〜10 の範囲外です"},
      {"slot officer file cut in half", "busv1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         const std::string text = g.readText("save/busv1.ini");
         g.writeBytes("save/busv1.ini", *Codec::toCp932(text.substr(0, text.find("\r\n", text.size() / 2))));
       },
       true, false, "記録 ."},
      {"slot officer name that is not CP932", "busv1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) {
         std::string bytes = g.readBytes("save/busv1.ini");
         bytes.replace(bytes.find("\r\n") + 2, 2, "\x81\x7f");
         g.writeBytes("save/busv1.ini", bytes);
       },
       true, false, "2行目にCP932として読めないバイトがあります"},
      // A sound edit: the player is asked, and the simulator says No unless told otherwise.
      {"slot comments edited harmlessly", "Cmtsv1.ini", Outcome::NamesTheFile,
       [](TempGameDir& g) { g.writeBytes("save/Cmtsv1.ini", g.readBytes("save/Cmtsv1.ini") + "\r\n"); }, true, false,
       "ゲームの外で変更されています"},
      {"game folder that cannot be written", "busv.ini", Outcome::NamesTheFile,
       // As root no permission bit stops a write; a folder where the running game's file goes does.
       [](TempGameDir& g) {
         fs::remove(g.root() / "ini/busv.ini");
         fs::create_directories(g.root() / "ini/busv.ini/blocked");
       }},
  };
  return table;
}

// A saved game to break slot files in; made once.
void installSavedGame(const TempGameDir& g) {
  g.installShippedData();
  sim::Options o;
  o.dir = g.root().string();
  o.scenario = 1;
  o.seed = 5;
  o.untilYear = 191;
  o.saveSlot = "1";
  sim::Simulation(o).run();
}

}  // namespace

TEST(BrokenData, EveryBrokenCopyIsNamedOrPlayedThrough) {
  TempGameDir saved;
  installSavedGame(saved);
  for (const BrokenCase& c : cases()) {
    TempGameDir g;
    fs::copy(saved.root(), g.root(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    c.breakIt(g);
    velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
    const Played played = c.asOtherUser ? playAsOtherUser(g, c.load) : play(g, c.load);
    const bool named = played.messages.find(c.file) != std::string::npos;
    const bool playedOn = played.lastYear >= 190;
    if (c.expected == Outcome::NamesTheFile) {
      EXPECT_TRUE(named) << c.name << ":\n" << played.messages.substr(0, 600);
    }
    if (c.expected == Outcome::PlaysOn) {
      EXPECT_TRUE(playedOn) << c.name << ":\n" << played.messages.substr(0, 600);
    }
    EXPECT_TRUE(named || playedOn) << c.name;
    if (c.reason != nullptr) {
      EXPECT_NE(played.messages.find(c.reason), std::string::npos) << c.name << ":\n" << played.messages.substr(0, 600);
      EXPECT_EQ(played.messages.find("揃っていません"), std::string::npos) << c.name << ": the stamp hid the reason";
    }
    EXPECT_LT(played.messages.size(), 200000u) << c.name << ": messages must not grow with the broken data";
    if (std::string(c.name) != "game folder that cannot be written") expectNothingTorn(g, c.name, c.load);
  }
}

// A full disk: every write past a few kilobytes fails half way (the file size limit makes
// write() fail as a full disk does). The save is refused with the file named, and the slot
// and the running game are left whole.
TEST(BrokenData, FullDiskDuringASaveLeavesEveryFileWhole) {
  TempGameDir g;
  installSavedGame(g);
  const std::string oldSlot = g.readBytes("save/busv1.ini") + g.readBytes("save/save1.ini");
  GameContext ctx(g.dir());
  ctx.slotRecord = {191, 50, 50, 50, 1, 0, 0, 0};
  rlimit before{};
  getrlimit(RLIMIT_FSIZE, &before);
  rlimit small = before;
  small.rlim_cur = 4096;
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  std::string message;
  try {
    SaveSlot(g.dir(), "1").save(ctx);
  } catch (const DataError& e) {
    message = e.what();
  }
  setrlimit(RLIMIT_FSIZE, &before);
  signal(SIGXFSZ, previous);
  EXPECT_NE(message.find("busv1.ini"), std::string::npos) << message;
  EXPECT_EQ(g.readBytes("save/busv1.ini") + g.readBytes("save/save1.ini"), oldSlot);
  expectNothingTorn(g, "full disk");
}
