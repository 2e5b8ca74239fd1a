#pragma once
// Officers leaving a faction: one deserter after a defeat, and the defectors won by 調略.
#include "board/Board.h"

namespace velkaro {

class Desertion {
 public:
  explicit Desertion(Board& board) : board_(board) {}

  // The first member (in id order) whose draw beats his restraint and the faction's cohesion;
  // never the ruler, nobody from a faction of one officer. 0 = nobody.
  int16 Rnd_Shuppon(const gun& g1);

  // Every officer of `losing` who defects to `receiving`; leaves their names, each followed by
  // "、", in message parameter 1 (empty when nobody defected).
  void Rnd_Shuppon2(const gun& receiving, const gun& losing);

 private:
  Board& board_;
};

}  // namespace velkaro
