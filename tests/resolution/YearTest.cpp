#include <gtest/gtest.h>

#include <algorithm>

#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "resolution/ResolutionPager.h"
#include "support/ResolutionTable.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// Six factions: 1..3 in the alliance of ruler 10 (panel 1), 4..6 independent (panel 0);
// faction f is ruled by 10·f with five officers of every post; officers 90..99 serve nobody.
void populate(ResolutionTable& t) {
  for (int f = 1; f <= 6; ++f) {
    const int ruler = 10 * f;
    t.faction({.id = f, .name = "国" + std::to_string(f), .kunshu = ruler, .meishu = f <= 3 ? 10 : 0,
               .army = 40 + 10 * f, .seihei = f, .meisei = 30 + 10 * f, .tian = 40 + 5 * f, .kessoku = 40 + 5 * f,
               .ifu = 5 * f, .panel = f <= 3 ? 1 : 0});
    t.officer({.id = ruler, .kunID = ruler, .job = 5, .policy = 6, .fight = 6, .wisdom = 6, .tactics = 6, .charm = 6, .setu = 6});
    for (int k = 1; k <= 6; ++k) {
      t.officer({.id = ruler + k, .kunID = ruler, .job = k, .policy = (f + k) % 10 + 1, .fight = (f * k) % 10 + 1,
                 .wisdom = (f + 2 * k) % 10 + 1, .tactics = (3 * f + k) % 10 + 1, .charm = (f + 3 * k) % 10 + 1,
                 .setu = (2 * f + k) % 10 + 1});
    }
  }
  for (int i = 90; i < 100; ++i) t.officer({.id = i, .kunID = 0, .charm = i % 10 + 1});
  t.ctx.FACTION_MAX = 6;
  t.ctx.OFFICER_MAX = 170;
  t.ctx.meishuKessoku = {0, 60, 0, 0};
}

}  // namespace

TEST(Year, ACarriedOutYearIsResolvedSavedAndLogged) {
  ResolutionTable t(5);
  populate(t);
  t.ctx.playerFaction[3] = 4;
  t.offer(0, 0, 11, 2, 0, 0);  // the independents go to war against 国2
  t.offer(0, 1, 5, 95, 8, 3);
  t.offer(1, 0, 11, 4, 0, 0);  // the alliance attacks the player's 国4
  t.offer(1, 1, 2, 2, 15, 3);
  for (int f = 4; f <= 6; ++f) t.choose(f, f == 4 ? 1 : 0);
  for (int f = 1; f <= 3; ++f) t.choose(f, 0);
  t.writeState();
  t.game.writeText("ini/velkaro.log", "Velkaroの記録\n");
  t.ctx.runMode = 1;
  t.ctx.resolutionYear = 191;

  ResolutionScreen msg(t.ctx, t.ui);
  msg.Form_Load();
  EXPECT_EQ(msg.warsFought, 2);
  EXPECT_TRUE(msg.Lbl_Caution.visible);
  EXPECT_EQ(msg.currentPage(), 0);
  EXPECT_EQ(msg.pageText(0).rfind("＝＝＝＝＝＝＝＝＝\r\n＝＝ 　191年　＝＝\r\n", 0), 0u);
  std::string all;
  for (int i = 0; i < msg.pageCount(); ++i) all += msg.pageText(i);
  EXPECT_NE(all.find("***国4（プレイヤー）が関わった作戦***"), std::string::npos);

  // The files now hold the screen's tables.
  OfficerTable officers;
  FactionTable factions;
  StateFiles files(t.ctx.dir);
  files.loadOfficers(officers, t.ctx.OFFICER_MAX);
  files.loadFactions(factions, t.ctx.FACTION_MAX);
  for (int f = 1; f <= 6; ++f) {
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(factions[f].field(n), msg.board().factions[f].field(n)) << f << " " << n;
    EXPECT_EQ(factions[f].del, msg.board().factions[f].del);
  }
  for (int i = 1; i <= 100; ++i) EXPECT_EQ(officers[i].kunID, msg.board().officers[i].kunID) << i;

  // The log holds the heading line, every page in use and one terminator.
  const auto lines = TextFile::readLines(t.ctx.dir, "\\ini\\velkaro.log");
  EXPECT_EQ(lines.front(), "Velkaroの記録");
  EXPECT_EQ(lines.back(), "EOT=======");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "EOT======="), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "＝＝ 　191年　＝＝"), 1);

  const std::vector<std::string> read = ResolutionPager::readAndClose(msg);
  EXPECT_EQ(static_cast<int>(read.size()), msg.pageCount());
  EXPECT_TRUE(msg.closed);
}

TEST(Year, ManySeededYearsOfEveryStrategyStaySound) {
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    ResolutionTable t(seed);
    populate(t);
    t.ctx.playerFaction[0] = 1;
    t.ctx.playerFaction[4] = 5;
    Random& rng = t.ctx.rng;
    // Random menus of codes 0..13 with targets among officers 0..100 and factions 0..7.
    for (int p = 0; p < 2; ++p) {
      for (int j = 0; j < 4; ++j) {
        const int code = rng.d(14);
        const bool officerTarget = code == 1 || code == 4 || code == 5 || code == 8;
        const int target = officerTarget ? (rng.d(3) == 0 ? 10 * (rng.d(6) + 1) : 90 + rng.d(11)) : rng.d(8);
        // Amounts as the menus deal them.
        const int amount = code == 2 ? 10 + rng.d(11) : code == 4 ? 1 + rng.d(300) : code == 5 ? 2 + rng.d(11) : 0;
        t.offer(p, j, code, target, amount, 2 + rng.d(7));
      }
    }
    for (int f = 1; f <= 6; ++f) t.choose(f, rng.d(4));
    t.writeState();
    t.ctx.runMode = 1;
    ResolutionScreen msg(t.ctx, t.ui);
    msg.Form_Load();
    const Board& b = msg.board();
    EXPECT_LE(msg.pageCount(), 41) << seed;
    EXPECT_EQ(b.factions[0].name, "某国") << seed;
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(b.factions[0].field(n), 0) << seed;
    EXPECT_EQ(b.officers[0].kunID, 0) << seed;
    EXPECT_EQ(b.officers[0].gunID, 0) << seed;
    for (int f = 1; f <= 6; ++f) {
      EXPECT_LE(b.factions[f].kessoku, 100) << seed;
      EXPECT_GE(b.factions[f].army, 0) << seed;
    }
    const auto lines = TextFile::readLines(t.ctx.dir, "\\ini\\velkaro.log");
    EXPECT_EQ(lines.back(), "EOT=======") << seed;
    EXPECT_EQ(msg.All_Metubou_Flg, msg.checkAllMetubou()) << seed;
    ResolutionPager::readAndClose(msg);
    EXPECT_TRUE(msg.closed) << seed;
  }
}
