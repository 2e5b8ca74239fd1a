// Kills velkaro-sim with SIGKILL at chosen system calls (strace injects the signal at the n-th
// rename or fsync, so the moments are exact: during year resolution, a save and a load) and
// checks what the next start finds once it has rolled back what the kill interrupted (the
// title screen does that before anything reads a file): every file parses with the game's
// readers, the slot is entirely old or entirely new, and a following run loads the slot and
// plays on.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "data/DataError.h"
#include "data/FactionTable.h"
#include "data/GamePaths.h"
#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "persistence/SaveSlot.h"
#include "data/SlotJournal.h"

namespace fs = std::filesystem;
using namespace velkaro;

namespace {

constexpr const char* kSlotStems[] = {"busv1.ini",       "gunsv1.ini", "Cmtsv1.ini",
                                     "velkarolog1.log", "save1.ini",  "suiisv1.ini"};
using Files = std::map<std::string, std::string>;

std::string bytesOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Files slotOf(const fs::path& root) {
  Files files;
  for (const char* stem : kSlotStems) files[stem] = bytesOf(root / "save" / stem);
  return files;
}

// A scratch folder on a RAM disk when there is one, so that the many fsyncs stay cheap.
fs::path scratchRoot() {
  std::random_device device;
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  return base / ("velkaro-kill-" + std::to_string(device()));
}

int run(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string sim(const fs::path& dir, const std::string& args) {
  return std::string(VELKARO_SIM_BINARY) + " --dir '" + dir.string() + "' --scenario 1 " + args;
}

// How often `call` is made by the command.
int countCalls(const std::string& call, const std::string& command, const fs::path& scratch) {
  const fs::path log = scratch / "count.txt";
  run("strace -f -qq -o '" + log.string() + "' -e trace=" + call + " " + command + " >/dev/null 2>&1");
  std::ifstream in(log);
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.find(call + "(") != std::string::npos) ++count;
  }
  return count;
}

// Runs the command and kills it at the n-th call; true when it was killed (printed no summary).
bool killAt(const std::string& call, int n, const std::string& command, const fs::path& out) {
  run("strace -f -qq -o /dev/null -e trace=" + call + " -e inject=" + call + ":signal=SIGKILL:when=" +
      std::to_string(n) + " " + command + " >'" + out.string() + "' 2>/dev/null");
  return bytesOf(out).find("\"scenario\"") == std::string::npos;
}

// Every file of the game folder reads with the game's readers; the state files hold whole records.
void expectReadable(const fs::path& root, const std::string& moment) {
  const GamePaths dir(root);
  for (const char* folder : {"ini", "save"}) {
    for (const auto& entry : fs::directory_iterator(root / folder)) {
      const std::string name = std::string("\\") + folder + "\\" + entry.path().filename().string();
      EXPECT_NO_THROW(TextFile::read(dir, name)) << moment << ": " << name;
    }
  }
  try {
    OfficerTable officers;
    FactionTable factions;
    StateFiles(dir).loadOfficers(officers, 170);
    StateFiles(dir).loadFactions(factions, 13);
  } catch (const DataError& e) {
    ADD_FAILURE() << moment << ": " << e.what();
  }
}

struct KillFixture : ::testing::Test {
  void SetUp() override {
    scratch = scratchRoot();
    base = scratch / "base";
    fs::create_directories(scratch);
    // The old slot: a game saved in 191; the new one: another game saved in 193.
    ASSERT_EQ(run(sim(base, "--seed 5 --until-year 191 --save 1") + " >/dev/null"), 0);
    oldSlot = slotOf(base);
    const fs::path reference = scratch / "reference";
    fs::copy(base, reference, fs::copy_options::recursive);
    ASSERT_EQ(run(sim(reference, "--seed 9 --until-year 193 --save 1") + " >/dev/null"), 0);
    newSlot = slotOf(reference);
    ASSERT_NE(oldSlot, newSlot);
    // The running game goes on to another game, so that what a load brings differs from it.
    ASSERT_EQ(run(sim(base, "--seed 6 --until-year 190") + " >/dev/null"), 0);
  }
  void TearDown() override { fs::remove_all(scratch); }

  fs::path fresh() {
    const fs::path work = scratch / "work";
    fs::remove_all(work);
    fs::copy(base, work, fs::copy_options::recursive);
    return work;
  }
  // After a kill and the next start's rollback: readable files, a slot old or new, and a game
  // that loads it and plays on.
  void expectSound(const fs::path& work, const std::string& moment) {
    expectReadable(work, moment);
    const Files slot = slotOf(work);
    const bool whole = slot == oldSlot || slot == newSlot;
    EXPECT_TRUE(whole) << moment << ": the slot mixes the two saves";
    if (!whole) ++mixed;
    const GamePaths dir(work);
    EXPECT_NO_THROW(SaveSlot(dir, "1").inspect()) << moment;
    const int year = slot == oldSlot ? 191 : 193;
    const std::string next = sim(work, "--seed 3 --load 1 --until-year " + std::to_string(year + 1));
    EXPECT_EQ(run(next + " >'" + (scratch / "next.txt").string() + "' 2>&1"), 0) << moment << bytesOf(scratch / "next.txt");
    EXPECT_NE(bytesOf(scratch / "next.txt").find("\"last_year\":" + std::to_string(year)), std::string::npos)
        << moment << ": " << bytesOf(scratch / "next.txt");
  }

  fs::path scratch;
  fs::path base;
  Files oldSlot;
  Files newSlot;
  int mixed = 0;
};

}  // namespace

// The second game's run from the title screen through three years to its save: kills spread
// over the whole run (title, years, resolution writes) and at every rename and fsync of the save.
TEST_F(KillFixture, KillsDuringYearsAndSaveLeaveAWholeSlot) {
  const std::string second = sim(fresh(), "--seed 9 --until-year 193 --save 1");
  const int renames = countCalls("rename", second, scratch);
  const int fsyncs = countCalls("fsync", second, scratch);
  // The running game's files are rewritten in place; the save's files are renamed into place.
  const int rewrites = countCalls("pwrite64", second, scratch);
  // Between filling a file and cutting it to length, and at the swap of the names.
  const int cuts = countCalls("ftruncate", second, scratch);
  const int swaps = countCalls("renameat2", second, scratch);
  ASSERT_GT(renames, 5);
  ASSERT_GT(cuts, 30);
  ASSERT_GT(swaps, 30);
  ASSERT_GT(rewrites, 30);
  std::vector<std::pair<std::string, int>> moments;
  for (int n = 1; n < rewrites; n += std::max(1, rewrites / 15)) moments.emplace_back("pwrite64", n);  // title and years
  for (int n = 2; n < cuts; n += std::max(1, cuts / 8)) moments.emplace_back("ftruncate", n);
  for (int n = 3; n < swaps; n += std::max(1, swaps / 8)) moments.emplace_back("renameat2", n);
  for (int n = 1; n <= renames; ++n) moments.emplace_back("rename", n);  // the save
  for (int n = std::max(1, fsyncs - 12); n <= fsyncs; n += 3) moments.emplace_back("fsync", n);
  int kills = 0;
  for (const auto& [call, n] : moments) {
    const fs::path work = fresh();
    const std::string moment = call + " " + std::to_string(n);
    if (killAt(call, n, sim(work, "--seed 9 --until-year 193 --save 1"), scratch / "out.txt")) ++kills;
    SlotJournal::recover(GamePaths(work));
    expectSound(work, moment);
  }
  std::printf("kills during years and save: %d of %zu moments, %d slots mixed\n", kills, moments.size(), mixed);
  EXPECT_GE(kills, 25);
  EXPECT_EQ(mixed, 0);
}

// A load of the old slot, killed at every rename and fsync it makes: the running game's four
// files and its history record are all from the slot or all as the title screen left them.
TEST_F(KillFixture, KillsDuringLoadLeaveTheGameWhole) {
  const fs::path probe = fresh();
  const std::string load = sim(probe, "--seed 4 --load 1 --until-year 191");
  const int renames = countCalls("rename", load, scratch);
  const int fsyncs = countCalls("fsync", load, scratch);
  ASSERT_GT(renames, 5);
  const Files fromSlot = {{"busv.ini", oldSlot["busv1.ini"]}, {"gunsv.ini", oldSlot["gunsv1.ini"]},
                          {"Cmtsv.ini", oldSlot["Cmtsv1.ini"]}, {"velkaro.log", oldSlot["velkarolog1.log"]},
                          {"suiisv.ini", oldSlot["suiisv1.ini"]}};
  int kills = 0;
  int torn = 0;
  std::vector<std::pair<std::string, int>> moments;
  for (int n = 1; n <= renames; ++n) moments.emplace_back("rename", n);
  for (int n = 1; n <= fsyncs; ++n) moments.emplace_back("fsync", n);
  for (const auto& [call, n] : moments) {
    const fs::path work = fresh();
    const std::string moment = "load " + call + " " + std::to_string(n);
    if (killAt(call, n, sim(work, "--seed 4 --load 1 --until-year 191"), scratch / "out.txt")) ++kills;
    SlotJournal::recover(GamePaths(work));
    // Before the load the title screen has copied the masters over the state files; files
    // that are the same before and after tell nothing and are left out.
    const Files before = {{"busv.ini", bytesOf(work / "ini/Bushou1.ini")}, {"gunsv.ini", bytesOf(work / "ini/Gunbatu1.ini")},
                          {"Cmtsv.ini", bytesOf(work / "ini/Comment.ini")}, {"velkaro.log", bytesOf(base / "ini/velkaro.log")},
                          {"suiisv.ini", bytesOf(base / "ini/suiisv.ini")}};
    int fromTheSlot = 0;
    int asBefore = 0;
    for (const auto& [file, bytes] : fromSlot) {
      if (bytes == before.at(file)) continue;
      const std::string now = bytesOf(work / "ini" / file);
      fromTheSlot += now == bytes ? 1 : 0;
      asBefore += now == before.at(file) ? 1 : 0;
    }
    const bool whole = fromTheSlot == 0 || asBefore == 0;
    EXPECT_TRUE(whole) << moment << ": " << fromTheSlot << " files from the slot, " << asBefore << " as before";
    if (!whole) ++torn;
    expectSound(work, moment);
  }
  std::printf("kills during load: %d of %zu moments, %d running games mixed\n", kills, moments.size(), torn);
  EXPECT_GE(kills, 20);
  EXPECT_EQ(torn, 0);
}
