#include <gtest/gtest.h>

#include "support/ResolutionTable.h"
#include "war/Battle.h"

using namespace velkaro;
using velkaro::test::ResolutionTable;

namespace {

// 魏 (no alliance) attacks 呉, which leads an alliance with 越; 呉 is a human player's.
struct ReplayTable : ResolutionTable {
  explicit ReplayTable(std::uint64_t seed) : ResolutionTable(seed) {
    faction({.id = 1, .name = "魏", .kunshu = 1, .army = 120, .seihei = 15, .meisei = 80, .tian = 70, .kessoku = 60, .ifu = 30});
    faction({.id = 2, .name = "呉", .kunshu = 11, .meishu = 11, .army = 90, .seihei = 10, .meisei = 60, .tian = 80, .kessoku = 50, .ifu = 20, .panel = 1});
    faction({.id = 3, .name = "越", .kunshu = 21, .meishu = 11, .army = 40, .seihei = 0, .panel = 1});
    ctx.meishuKessoku[1] = 70;
    ctx.playerFaction[1] = 2;
    officer({.id = 1, .name = "曹操", .kunID = 1, .job = 5, .policy = 9, .fight = 7, .wisdom = 9, .tactics = 9, .charm = 9, .setu = 7});
    officer({.id = 2, .name = "夏侯惇", .kunID = 1, .job = 4, .policy = 4, .fight = 9, .wisdom = 5, .tactics = 8, .charm = 7, .setu = 9});
    officer({.id = 3, .name = "荀彧", .kunID = 1, .job = 6, .policy = 10, .fight = 2, .wisdom = 9, .tactics = 6, .charm = 8, .setu = 9});
    officer({.id = 4, .name = "許褚", .kunID = 1, .job = 2, .policy = 2, .fight = 10, .wisdom = 2, .tactics = 4, .charm = 5, .setu = 8});
    officer({.id = 5, .name = "程昱", .kunID = 1, .job = 3, .policy = 7, .fight = 3, .wisdom = 8, .tactics = 5, .charm = 5, .setu = 6});
    officer({.id = 6, .name = "満寵", .kunID = 1, .job = 1, .policy = 8, .fight = 4, .wisdom = 6, .tactics = 4, .charm = 5, .setu = 7});
    officer({.id = 11, .name = "孫堅", .kunID = 11, .job = 5, .policy = 6, .fight = 9, .wisdom = 6, .tactics = 8, .charm = 8, .setu = 8});
    officer({.id = 12, .name = "程普", .kunID = 11, .job = 4, .policy = 5, .fight = 8, .wisdom = 6, .tactics = 8, .charm = 6, .setu = 8});
    officer({.id = 13, .name = "黄蓋", .kunID = 11, .job = 2, .policy = 4, .fight = 8, .wisdom = 5, .tactics = 6, .charm = 6, .setu = 3});
    officer({.id = 14, .name = "張昭", .kunID = 11, .job = 1, .policy = 9, .fight = 2, .wisdom = 7, .tactics = 3, .charm = 6, .setu = 2});
    officer({.id = 15, .name = "周瑜", .kunID = 11, .job = 6, .policy = 7, .fight = 6, .wisdom = 10, .tactics = 9, .charm = 9, .setu = 8});
    officer({.id = 21, .name = "越王", .kunID = 21, .job = 5});
  }
  // Page by page, with the page number before each page.
  std::string pagesShown() const {
    std::string text;
    for (int i = 0; i <= board.pages.lastPage(); ++i) text += "[" + std::to_string(i) + "]" + board.pages.page(i);
    return text;
  }
};

}  // namespace

TEST(WarReplay, FixedSeedWarReproducesItsNarrationAndRecordChanges) {
  ReplayTable t(11);
  t.msg.War_rtn(t.board.factions[1], t.board.factions[2]);
  t.board.pages.terminateAfterCurrent();

  // 呉's strategist 周瑜 wins the initiative and plans a surprise attack; the player's 呉 is
  // involved, so the page turns after the plan, at the mid-game and after the blows.
  const std::string expected =
      "[0]〈16〉曹操の率いる魏軍 111｜孫堅の率いる呉軍 88\r\n\r\n"
      "〈34〉魏の総兵力は 111｜呉軍のそれは 91\r\n\r\n"
      "〈51〉曹操｜呉軍のそれは 91\r\n\r\n"
      "〈50〉孫堅｜呉軍のそれは 91\r\n\r\n"
      "〈49〉魏｜呉軍のそれは 91\r\n\r\n"
      "魏の士気 239 呉の士気 250\r\n\r\n"
      "〈17〉呉の軍師周瑜｜奇襲\r\n\r\n"
      "[1]〈20〉程普｜孫堅もここぞとばかりに暴れまわり、魏軍の士気が 43\r\n\r\n"
      "魏の士気 196 呉の士気 250\r\n\r\n"
      "その流れのまま中盤戦に入り、"
      "[2]〈19〉魏｜ 73\r\n\r\n"
      "〈19〉呉｜ 59\r\n\r\n"
      "[3]魏の士気 123 呉の士気 191\r\n\r\n"
      "〈35〉呉｜ 59\r\n\r\n"
      "[4]〈42〉軍師周瑜｜ 3.1\r\n\r\n"
      "〈13〉荀彧｜呉\r\n\r\n"
      "〈37〉許褚｜呉\r\n\r\n";
  EXPECT_EQ(t.pagesShown(), expected);
  EXPECT_EQ(t.ctx.rng.drawCount(), 62u);
  EXPECT_EQ(t.msg.warsFought, 1);

  // Victory: 24 % of 魏's 120 (policy 7 × 2 + 10), public order diluted, fame, cohesion, awe up.
  const gun& wu = t.board.factions[2];
  EXPECT_EQ(wu.army, 118);
  EXPECT_EQ(wu.seihei, 10);
  EXPECT_EQ(wu.meisei, 70);
  EXPECT_EQ(wu.tian, 61);
  EXPECT_EQ(wu.kessoku, 60);
  EXPECT_EQ(wu.ifu, 25);
  // Defeat: (9 + 7) × 1.5 + 10 = 34, plus 5: 39 % lost.
  const gun& wei = t.board.factions[1];
  EXPECT_EQ(wei.army, 73);
  EXPECT_EQ(wei.seihei, 10);
  EXPECT_EQ(wei.meisei, 64);
  EXPECT_EQ(wei.tian, 35);
  EXPECT_EQ(wei.kessoku, 40);
  EXPECT_EQ(wei.ifu, 30);
  // 荀彧 goes over to 周瑜's ruler, 許褚 leaves to serve nobody; the ally 越 is untouched.
  EXPECT_EQ(t.board.officers[3].kunID, 11);
  EXPECT_EQ(t.board.officers[3].gunID, 2);
  EXPECT_EQ(t.board.officers[4].kunID, 0);
  EXPECT_EQ(t.board.officers[4].gunID, 0);
  EXPECT_EQ(t.board.officers[2].kunID, 1);
  EXPECT_EQ(t.board.factions[3].army, 40);
  EXPECT_EQ(t.board.factions[3].meisei, 50);
}

TEST(WarReplay, SameSeedSameWar) {
  for (std::uint64_t seed : {3u, 7u, 2024u, 99991u}) {
    ReplayTable a(seed);
    ReplayTable b(seed);
    a.msg.War_rtn(a.board.factions[1], a.board.factions[2]);
    b.msg.War_rtn(b.board.factions[1], b.board.factions[2]);
    EXPECT_EQ(a.pagesShown(), b.pagesShown()) << seed;
    for (int f = 1; f <= 3; ++f) {
      for (int n = 1; n <= 8; ++n) EXPECT_EQ(a.board.factions[f].field(n), b.board.factions[f].field(n)) << seed;
    }
    for (int i = 1; i <= 21; ++i) EXPECT_EQ(a.board.officers[i].kunID, b.board.officers[i].kunID) << seed;
  }
}
