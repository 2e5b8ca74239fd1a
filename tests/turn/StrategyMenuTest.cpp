#include <gtest/gtest.h>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "turn/Strategy.h"
#include "turn/StrategyMenu.h"
#include "support/SyntheticData.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

TEST(StrategyMenu, PanelsGetWaitOnlyBelowThreeLinesAndNeverAssassination) {
  TempGameDir game;
  SyntheticData::install(game);
  GameContext ctx(game.dir());
  game.writeBytes("ini/busv.ini", game.readBytes("ini/Bushou1.ini"));
  game.writeBytes("ini/gunsv.ini", game.readBytes("ini/Gunbatu1.ini"));
  ctx.meishu = {0, 1, 11, 21};
  ctx.meishuKessoku = {0, 45, 50, 55};
  std::array<ListBox, kPanels> factions;
  factions[0].addItem("甲軍7", 7);
  factions[1].addItem("甲軍1", 1);
  factions[1].addItem("甲軍4", 4);
  factions[2].addItem("甲軍2", 2);
  factions[3].addItem("甲軍3", 3);
  std::array<ListBox, kPanels> menus;
  int waits = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    ctx.rng.fixSeed(seed);
    StrategyMenu(ctx, factions, menus).ld_Com_rtn();
    for (std::size_t k = 0; k < kPanels; ++k) {
      const ListBox& menu = menus[k];
      ASSERT_GE(menu.listCount(), 1);
      ASSERT_LE(menu.listCount(), 4);
      ASSERT_EQ(ctx.menuLines[k], menu.listCount());
      int waitLines = 0;
      for (int p = 0; p < menu.listCount(); ++p) {
        const int code = menu.itemData(p);
        ASSERT_NE(code, kAnsatsu);
        ASSERT_EQ(menu.text(p), Strategy::name(code));
        ASSERT_EQ(ctx.menuStrategy[k][static_cast<std::size_t>(p)], code);
        waitLines += code == kTaiki ? 1 : 0;
        const int16 difficulty = ctx.param3[k][static_cast<std::size_t>(p)];
        if (code == kKoukin) {
          ASSERT_GE(ctx.param2[k][static_cast<std::size_t>(p)], 1);
          ASSERT_LE(ctx.param2[k][static_cast<std::size_t>(p)], 300);
        }
        if (code == kIminzoku) {
          ASSERT_GE(ctx.param2[k][static_cast<std::size_t>(p)], 2);
          ASSERT_LE(ctx.param2[k][static_cast<std::size_t>(p)], 12);
        }
        if (code == kHeiryoku) {
          ASSERT_GE(ctx.param2[k][static_cast<std::size_t>(p)], 10);
          ASSERT_LE(ctx.param2[k][static_cast<std::size_t>(p)], 20);
        }
        if (k == 0 && code != kTaiki) {
          ASSERT_GE(difficulty, 3);
          ASSERT_LE(difficulty, 7);
          ASSERT_TRUE(code == kJinzai || code == kKoukin || code == kIminzoku || code == kDoumeiSanka ||
                      code == kSensou || code == kGisen);
        }
        if (k > 0 && code == kDattai) {
          ASSERT_EQ(difficulty, cint(ctx.meishuKessoku[k] / 10.0));
        }
        if (k > 0 && code == kDoumeiSanka) {
          const int16 target = ctx.param1[k][static_cast<std::size_t>(p)];
          ASSERT_NE(target, 0);
          ASSERT_NE(target, ctx.meishu[k]);
        }
      }
      // "待機" is added as the last line exactly when fewer than three offers were dealt.
      if (waitLines == 1) {
        ASSERT_EQ(menu.itemData(menu.listCount() - 1), kTaiki);
        ASSERT_LE(menu.listCount(), 3);
        ++waits;
      } else {
        ASSERT_EQ(waitLines, 0);
        ASSERT_GE(menu.listCount(), 3);
      }
    }
  }
  EXPECT_EQ(waits, 0) << "with recruits available and every slot taken, four offers are always dealt";

  // Nobody to recruit and two free alliance slots: 人材募集 and 同盟参加 deal nothing.
  std::string busv = game.readText("ini/busv.ini");
  for (std::size_t at = busv.find("\r\n0,"); at != std::string::npos; at = busv.find("\r\n0,", at + 1)) {
    busv.replace(at, 4, "\r\n1,");
  }
  TextFile::write(game.dir(), "\\ini\\busv.ini", busv);
  ctx.meishu = {0, 1, 0, 0};
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    ctx.rng.fixSeed(seed);
    StrategyMenu(ctx, factions, menus).ld_Com_rtn();
    const ListBox& panel = menus[1];
    for (int p = 0; p < panel.listCount(); ++p) {
      ASSERT_NE(panel.itemData(p), kJinzai);
      ASSERT_NE(panel.itemData(p), kDoumeiSanka);
    }
    if (panel.itemData(panel.listCount() - 1) == kTaiki) {
      ASSERT_LE(panel.listCount(), 3);
      ++waits;
    }
  }
  EXPECT_GT(waits, 0);
}
