#pragma once
// One war or righteous war between two factions of the resolution screen's table, fought in
// a single call: roles, strengths, morale, a battle plan, the opening clash, the mid-game and
// the outcome, all narrated into the message buffer.
#include <array>
#include <string>

#include "board/Board.h"
#include "board/Real.h"

namespace velkaro {

class Battle {
 public:
  explicit Battle(Board& board) : board_(board) {}

  // g1 attacks g2.
  void War_rtn(gun& g1, gun& g2);
  // g1 wages a righteous war against g2.
  void Gisen_rtn(gun& g1, gun& g2);

  // The battle sheet of one side, kept after the call for inspection.
  struct Side {
    gun* g = nullptr;
    std::string name;
    int16 str = 0;
    int16 total = 0;
    int16 commander = 0;
    int16 cmd = 0;
    int16 charm = 0;
    int16 strategist = 0;  // 0 = none
    std::string strategistName;
    int16 sw = 0;
    int16 st = 0;
    int16 general = 0;
    int16 gt = 0;
    int16 champion = 0;
    int16 cf = 0;
    int16 T = 0;
    int16 F = 0;
    int16 P = 0;
    int16 W = 0;
    int16 M = 0;
    int16 M0 = 0;
  };

  const std::array<Side, 2>& sides() const { return side_; }
  int plan() const { return plan_; }
  int planner() const { return planner_; }
  real planValue() const { return planValue_; }
  int verdict() const { return verdict_; }

  static const char* planLabel(int plan);
  // The mid-game verdict (0 undecided, 1 side 0 wins, 2 side 1 wins) from the morale left and
  // the opening morale of each side; a later clause for side 1 overrides side 0's.
  static int midGameVerdict(int16 M0, int16 M1, int16 open0, int16 open1);
  // The side that strikes first in the mid-game from each side's tactics + command + draw:
  // side 0 when it is at least level.
  static int firstStriker(real lead0, real lead1);
  // The verdict of an overwhelming advance from strengths, totals and morale.
  static int overwhelmingVerdictOf(std::array<int16, 2> str, std::array<int16, 2> total, std::array<int16, 2> M);

 private:
  void fight(gun& g1, gun& g2, bool gisen);
  void strengths();
  void roles();
  void totals(bool gisen);
  void morale(bool gisen);
  void choosePlan(bool gisen);
  real planValueOf(int plan, int k, bool gisen, int duelRoll) const;
  void openingClash();
  // The opening clash of each plan; r holds the two sides' opening draws.
  using Draws = std::array<int, 2>;
  int contest(real score0, real score1, const Draws& r) const;
  void frontalClash(const Draws& r);
  void surpriseAttack(const Draws& r);
  void grandStrategyClash(const Draws& r);
  void stratagemClash(const Draws& r);
  void duel();
  void longCampaignClash(const Draws& r);
  void blow(int k, real drawK, real bonus);
  void overwhelmingVerdict();
  void midGame(bool gisen);
  void announce();
  void outcome(bool gisen);
  void moraleLine();
  bool playerInvolved(bool gisen, int lastSlot) const;
  // "軍師" + the strategist's name, or "大将" + the commander's when the side has no strategist.
  std::string staffTitle(const Side& s) const;

  Board& board_;
  std::array<Side, 2> side_{};
  int plan_ = 1;
  int planner_ = 0;
  real planValue_ = 0;
  int verdict_ = 0;
};

}  // namespace velkaro
