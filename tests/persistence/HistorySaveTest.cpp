// The history record travels with a save slot: saved beside the slot's files, brought back by a
// load, and never the reason a load is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/FileCache.h"
#include "data/HistoryRecord.h"
#include "persistence/SaveLoadScreen.h"
#include "persistence/SaveSlot.h"
#include "setup/TitleScreen.h"
#include "support/GameUi.h"
#include "support/SyntheticData.h"
#include "turn/MainScreen.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

std::vector<int> yearsOf(const std::vector<HistoryRecord::Row>& rows) {
  std::vector<int> years;
  for (const auto& r : rows) {
    if (years.empty() || years.back() != r.year) years.push_back(r.year);
  }
  return years;
}

// A synthetic game of scenario 1 (from 189) led by faction 1, saved to slot 07 in 190.
struct SavedGame : ::testing::Test {
  void SetUp() override {
    SyntheticData::install(game);
    ctx.rng.fixSeed(3);
    ui.onShow("SaveLoadScreen", [](Screen& s) {
      auto& slot = static_cast<SaveLoadScreen&>(s);
      slot.Command1_Click(0);
      slot.Command1_Click(7);
      slot.Command2_Click(1);
    });
    TitleScreen title(ctx, ui);
    title.Form_Load();
    title.List1[1].setSelected(0, true);
    title.Command2_Click();
    ui.collect();
    for (auto& s : ui.modeless()) {
      if (s->screenName() == "MainScreen") main = static_cast<MainScreen*>(s.get());
    }
    ASSERT_NE(main, nullptr);
    main->Command1_Click(3);
    ASSERT_EQ(main->year(), 190);
    main->cmdSave_Click();
    ASSERT_EQ(ctx.confirmResult, 1);
    main->Command1_Click(3);
    main->Command1_Click(3);
    ASSERT_EQ(main->year(), 192);
  }
  HistoryRecord::Row rowOf(int year, int faction) {
    for (const auto& r : HistoryRecord::read(game.dir())) {
      if (r.year == year && r.faction == faction) return r;
    }
    return {};
  }

  TempGameDir game;
  GameContext ctx{game.dir()};
  test::GameUi ui;
  MainScreen* main = nullptr;
};

}  // namespace

TEST_F(SavedGame, TheSlotKeepsTheRecordOfItsYearsAndALoadBringsItBack) {
  const std::string saved = game.readBytes("save/suiisv07.ini");
  const auto savedRows = HistoryRecord::parse(game.readText("save/suiisv07.ini"), "suiisv07");
  EXPECT_EQ(yearsOf(savedRows), (std::vector<int>{189, 190}));
  EXPECT_NE(game.readText("save/stamp07.ini").find("\"suiisv07.ini\""), std::string::npos);
  EXPECT_EQ(yearsOf(HistoryRecord::read(game.dir())), (std::vector<int>{189, 190, 191, 192}));
  EXPECT_TRUE(rowOf(189, 1).player);
  EXPECT_FALSE(rowOf(189, 2).player);

  main->cmdLoad_Click();
  ASSERT_EQ(main->year(), 190);
  // The loaded year is recorded again with the same figures: the record is the slot's.
  EXPECT_EQ(game.readBytes("ini/suiisv.ini"), saved);
  main->Command1_Click(3);
  EXPECT_EQ(yearsOf(HistoryRecord::read(game.dir())), (std::vector<int>{189, 190, 191}));
}

TEST_F(SavedGame, ASlotWithoutARecordLoadsAndTheRecordStartsWithTheLoadedYear) {
  const HistoryRecord::Row before = rowOf(190, 1);
  std::filesystem::remove(game.root() / "save/suiisv07.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  main->cmdLoad_Click();
  ASSERT_EQ(main->year(), 190);
  const auto rows = HistoryRecord::read(game.dir());
  EXPECT_EQ(yearsOf(rows), (std::vector<int>{190}));
  EXPECT_EQ(rowOf(190, 1), before);
}

TEST_F(SavedGame, ARecordFromAnotherSaveOrABrokenOneNeverStopsTheLoad) {
  // Copied in by hand: it does not match the slot's stamp, and the load leaves it out.
  game.writeText("save/suiisv07.ini", "勢力推移\n150,1,\"他国\",1,1,1,0\n");
  main->cmdLoad_Click();
  ASSERT_EQ(main->year(), 190);
  EXPECT_EQ(yearsOf(HistoryRecord::read(game.dir())), (std::vector<int>{190}));

  // A slot without a stamp (an older save) brings a broken record along; the game goes on,
  // and the next year starts the record afresh.
  std::filesystem::remove(game.root() / "save/stamp07.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  game.writeText("save/suiisv07.ini", "勢力推移\n壊れた行\n");
  main->cmdLoad_Click();
  ASSERT_EQ(main->year(), 190);
  EXPECT_EQ(yearsOf(HistoryRecord::read(game.dir())), (std::vector<int>{190}));
  main->Command1_Click(3);
  EXPECT_EQ(yearsOf(HistoryRecord::read(game.dir())), (std::vector<int>{190, 191}));
}

TEST_F(SavedGame, ASaveOfAGameWithoutARecordLeavesNoneOfAnOlderGameInTheSlot) {
  std::filesystem::remove(game.root() / "ini/suiisv.ini");
  velkaro::FileCache::shared().lookAgain();  // an edit from outside the game
  main->cmdSave_Click();
  ASSERT_EQ(ctx.confirmResult, 1);
  EXPECT_FALSE(std::filesystem::exists(game.root() / "save/suiisv07.ini"));
  EXPECT_NO_THROW(SaveSlot(game.dir(), "07").inspect());
}
