#pragma once
// A resolution screen on a temporary game directory with officers and factions written by the
// test, a fixed seed, and a template file whose entries show their number and parameters:
// entry n reads "〈n〉" + parameter 1 + "｜" + parameter 2, then two line breaks.
#include <deque>
#include <string>
#include <vector>

#include "support/GameUi.h"
#include "data/GameContext.h"
#include "resolution/ResolutionScreen.h"
#include "support/TempGameDir.h"
#include "ui/scripted/ScriptedUi.h"

namespace velkaro::test {

struct OfficerRow {
  int id = 0;
  std::string name;
  int kunID = 0;
  int job = 0;
  int policy = 5;
  int fight = 5;
  int wisdom = 5;
  int tactics = 5;
  int charm = 5;
  int setu = 5;
};

struct FactionRow {
  int id = 0;
  std::string name;
  int kunshu = 0;
  int meishu = 0;
  int army = 50;
  int seihei = 5;
  int meisei = 50;
  int tian = 50;
  int kessoku = 50;
  int ifu = 10;
  int panel = 0;
};

class ResolutionTable {
 public:
  explicit ResolutionTable(std::uint64_t seed = 1);

  TempGameDir game;
  GameContext ctx;
  test::GameUi ui;
  ResolutionScreen msg;
  Board& board;

  Bushou& officer(const OfficerRow& row);
  gun& faction(const FactionRow& row);
  // gunID of every officer from the rulers, as the screen derives it after loading.
  void derive() { msg.ld_Chr2(); }

  // Offers line `line` of `panel` and has the factions choose it.
  void offer(int panel, int line, int code, int param1, int param2, int param3);
  void choose(int factionId, int line) { ctx.chosenLine[static_cast<std::size_t>(factionId)] = static_cast<int16>(line); }

  // Queues draws for d(n) = k as (k + 0.5) / n, in order.
  void draws(const std::vector<std::pair<int, int>>& faces);
  // Queues `count` draws that make every d(n) 0.
  void zeros(int count) { ctx.rng.queueDraws(std::deque<double>(static_cast<std::size_t>(count), 0.0)); }

  // Every page in use, in order, joined.
  std::string narration() const;
  // The entry numbers appended so far, in order.
  std::vector<int> texts() const;
  // The parameters entry n was shown with, for its first (or k-th) appearance.
  std::string shown(int number, int occurrence = 0) const;

  // Writes the tables to "\ini\busv.ini" and "\ini\gunsv.ini".
  void writeState();

  static std::string templates();
};

}  // namespace velkaro::test
