#pragma once
// The yearly check that destroys factions left with nothing, and the succession of a fallen
// alliance leader.
#include "board/Board.h"

namespace velkaro {

class Destruction {
 public:
  explicit Destruction(Board& board) : board_(board) {}

  struct Result {
    bool playerFell = false;  // Metubou_Flg
    bool allPlayersGone = false;  // All_Metubou_Flg
  };

  // Every surviving faction in id order: it falls with fewer than 20 troops, no officer but
  // its ruler and too little standing (fame − awe against a draw of 1..50).
  Result checkMetubou();
  // Marks the faction destroyed and out of any alliance.
  void Metubou(int factionId);
  // Hands the fallen leader's alliance to the last surviving member, or founds a new one.
  void looseMeishu(int factionId);
  // No faction that a player leads is still standing (true as well with no players at all).
  bool checkAllMetubou() const { return checkAllMetubou(board_); }
  static bool checkAllMetubou(const Board& board);

 private:
  Board& board_;
};

}  // namespace velkaro
