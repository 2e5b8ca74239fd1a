#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "data/DataError.h"
#include "data/FileCache.h"
#include "data/SlotJournal.h"
#include "persistence/SaveSlot.h"
#include "support/TempGameDir.h"

using namespace velkaro;
using velkaro::test::TempGameDir;

namespace {

struct JournalFixture : ::testing::Test {
  const std::vector<std::string> files = {"\\save\\busv1.ini", "\\save\\gunsv1.ini", "\\save\\stamp1.ini"};
  bool exists(const std::string& relative) const { return std::filesystem::exists(game.root() / relative); }
  TempGameDir game;
};

}  // namespace

// The moments a save can die at, replayed by stopping after each step: before the record is on
// the disk, with the old files set aside, with some new files written. Recovery always leaves
// the old set; once the record is dropped, the new set stands.
TEST_F(JournalFixture, RecoveryPutsTheOldFilesBackWhereverTheSaveStopped) {
  for (int writtenBeforeDeath = 0; writtenBeforeDeath <= 3; ++writtenBeforeDeath) {
    game.writeBytes("save/busv1.ini", "old officers");
    game.writeBytes("save/gunsv1.ini", "old factions");
    std::filesystem::remove(game.root() / "save/stamp1.ini");  // a slot from before stamps
    velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
    {
      SlotJournal journal(game.dir(), "\\save\\save1.journal", files);
      journal.begin();
      for (int i = 0; i < writtenBeforeDeath; ++i) journal.put(files[static_cast<std::size_t>(i)], "new");
      // The process dies here: no commit, no rollback.
    }
    EXPECT_TRUE(exists("save/save1.journal"));
    EXPECT_EQ(SlotJournal::recover(game.dir()), 1);
    EXPECT_EQ(game.readBytes("save/busv1.ini"), "old officers") << writtenBeforeDeath;
    EXPECT_EQ(game.readBytes("save/gunsv1.ini"), "old factions") << writtenBeforeDeath;
    EXPECT_FALSE(exists("save/stamp1.ini")) << "a file the old slot did not have goes again";
    EXPECT_FALSE(exists("save/save1.journal"));
    EXPECT_FALSE(exists("save/busv1.ini.old~"));
    EXPECT_EQ(SlotJournal::recover(game.dir()), 0) << "nothing is left to roll back";
  }
}

TEST_F(JournalFixture, ACommittedSaveStandsAndItsLeftoversAreCleared) {
  game.writeBytes("save/busv1.ini", "old officers");
  SlotJournal journal(game.dir(), "\\save\\save1.journal", files);
  journal.begin();
  for (const auto& f : files) journal.put(f, "new");
  // Dies after the record was dropped but before the old files went.
  std::filesystem::remove(game.root() / "save/save1.journal");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  EXPECT_TRUE(exists("save/busv1.ini.old~"));
  game.writeBytes("save/gunsv1.ini.tmp~", "torn");
  game.writeBytes("ini/busv.ini.tmp~", "torn");
  EXPECT_EQ(SlotJournal::recover(game.dir()), 0);
  EXPECT_EQ(game.readBytes("save/busv1.ini"), "new");
  EXPECT_EQ(game.readBytes("save/stamp1.ini"), "new");
  for (const char* stale : {"save/busv1.ini.old~", "save/gunsv1.ini.tmp~", "ini/busv.ini.tmp~"}) {
    EXPECT_FALSE(exists(stale)) << stale;
  }
}

TEST_F(JournalFixture, RollbackAfterAFailedWriteRestoresEveryFile) {
  game.writeBytes("save/busv1.ini", "old officers");
  game.writeBytes("save/gunsv1.ini", "old factions");
  SlotJournal journal(game.dir(), "\\save\\save1.journal", files);
  journal.begin();
  journal.put(files[0], "new");
  journal.rollback();
  journal.rollback();  // a crash inside the first one repeats it
  EXPECT_EQ(game.readBytes("save/busv1.ini"), "old officers");
  EXPECT_EQ(game.readBytes("save/gunsv1.ini"), "old factions");
  EXPECT_FALSE(exists("save/save1.journal"));
}
