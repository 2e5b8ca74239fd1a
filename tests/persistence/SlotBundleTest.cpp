#include <gtest/gtest.h>

#include "data/CommitListener.h"
#include "data/DataError.h"
#include "persistence/SaveLoadScreen.h"
#include "persistence/SaveSlot.h"
#include "persistence/SlotBundle.h"
#include "support/GameUi.h"
#include "support/SyntheticData.h"
#include "setup/TitleScreen.h"
#include "turn/MainScreen.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

// A game of the synthetic data saved in slot 3 after its first year.
struct SavedGame {
  SavedGame() : ctx(game.dir()) {
    SyntheticData::install(game);
    ctx.rng.fixSeed(5);
    TitleScreen title(ctx, ui);
    title.Form_Load();
    title.List1[1].setSelected(0, true);
    title.Command2_Click();
    ui.collect();
    for (auto& s : ui.modeless()) {
      if (s->screenName() == "MainScreen") main = static_cast<MainScreen*>(s.get());
    }
    if (main == nullptr) throw std::runtime_error("no main screen");
    main->Command1_Click(3);  // Auto: the year passes
    saveAs("3");
  }
  // The save screen's digits and 決定, as the player would.
  void saveAs(const std::string& digits) {
    ui.onShow("SaveLoadScreen", [digits](Screen& s) {
      auto& slot = static_cast<SaveLoadScreen&>(s);
      for (char c : digits) slot.Command1_Click(c - '0');
      slot.Command2_Click(1);
    });
    main->cmdSave_Click();
  }
  TempGameDir game;
  test::GameUi ui;
  GameContext ctx;
  MainScreen* main = nullptr;
};

const char* kSlotFiles[] = {"busv", "gunsv", "Cmtsv", "save"};

std::string slotBytes(const TempGameDir& game, const std::string& number) {
  std::string all;
  for (const char* f : kSlotFiles) all += game.readBytes(std::string("save/") + f + number + ".ini") + "|";
  return all + game.readBytes("save/velkarolog" + number + ".log");
}

std::string refusal(const TempGameDir& game, const std::string& bundle) {
  try {
    SlotBundle::unpack(game.dir(), "3", bundle, game.root() / "scratch");
  } catch (const DataError& e) {
    return e.what();
  }
  return "";
}

struct CountingListener : CommitListener {
  bool committed() override { return ++calls < failFrom; }
  int calls = 0;
  int failFrom = 1 << 30;
};

}  // namespace

TEST(SlotBundleTest, ABundledSlotComesBackByteForByteUnderAnotherNumberAndLoads) {
  SavedGame g;
  const std::string bundle = SlotBundle::pack(g.game.dir(), "3");
  EXPECT_EQ(bundle.rfind(SlotBundle::kHeading, 0), 0u);
  SlotBundle::unpack(g.game.dir(), "12", bundle, g.game.root() / "scratch");
  EXPECT_EQ(slotBytes(g.game, "12"), slotBytes(g.game, "3"));
  EXPECT_EQ(g.game.readBytes("save/suiisv12.ini"), g.game.readBytes("save/suiisv3.ini"));
  // The stamp names the files by their new number; under the old one it comes back as it was.
  EXPECT_TRUE(g.game.readText("save/stamp12.ini").find("busv12.ini") != std::string::npos);
  const std::string stamp3 = g.game.readBytes("save/stamp3.ini");
  SlotBundle::unpack(g.game.dir(), "3", SlotBundle::pack(g.game.dir(), "12"), g.game.root() / "scratch");
  EXPECT_EQ(g.game.readBytes("save/stamp3.ini"), stamp3);
  EXPECT_FALSE(std::filesystem::exists(g.game.root() / "scratch")) << "the checked copy is removed";
  EXPECT_EQ(SaveSlot(g.game.dir(), "12").restore().entries[0], g.main->year());
}

TEST(SlotBundleTest, AForeignOrBrokenFileIsRefusedAndTheSlotKeepsItsFiles) {
  SavedGame g;
  const std::string good = SlotBundle::pack(g.game.dir(), "3");
  const std::string before = slotBytes(g.game, "3");
  const std::string foreign = SlotBundle::kForeignMessage;
  EXPECT_EQ(refusal(g.game, ""), foreign);
  EXPECT_EQ(refusal(g.game, "PNG\r\n\x1a\n"), foreign);
  EXPECT_EQ(refusal(g.game, good.substr(0, good.size() / 2)), foreign) << "cut short";
  EXPECT_EQ(refusal(g.game, good + "busv\t1\r\nX\r\n"), foreign) << "a part twice";
  EXPECT_EQ(refusal(g.game, good + "junk"), foreign);
  std::string unknown = good;
  unknown.replace(unknown.find("gunsv\t"), 5, "gunsx");
  EXPECT_EQ(refusal(g.game, unknown), foreign);

  // Whole as a bundle, but its officer file would not load.
  std::string broken = good;
  const std::size_t at = broken.find("\r\n", broken.find("busv\t")) + 2;
  broken[at + 10] = '\xFF';
  const std::string why = refusal(g.game, broken);
  EXPECT_EQ(why.rfind(SlotBundle::kBrokenMessage, 0), 0u) << why;
  EXPECT_EQ(slotBytes(g.game, "3"), before);
}

TEST(SlotBundleTest, EveryDurableStepOfASaveIsReportedAndAFailedReportFailsTheSave) {
  SavedGame g;
  CountingListener listener;
  CommitListener::set(&listener);
  SaveSlot(g.game.dir(), "4").save(g.ctx);
  const int steps = listener.calls;
  ASSERT_TRUE(std::filesystem::exists(g.game.root() / "save" / "save4.ini"));
  EXPECT_GE(steps, 7) << "the record, each file and the record's removal";

  // Storage that fails half way through the next save: the save fails, the old slot stays.
  const std::string before = slotBytes(g.game, "4");
  g.main->Command1_Click(3);  // another year, so the new slot differs from the old one
  listener.calls = 0;
  listener.failFrom = steps / 2;
  EXPECT_THROW(SaveSlot(g.game.dir(), "4").save(g.ctx), DataError);
  CommitListener::set(nullptr);
  EXPECT_EQ(slotBytes(g.game, "4"), before);
}
