#pragma once
// What a decided or undecided war does to the two factions' records and to their officers.
#include "board/Board.h"

namespace velkaro {

class Outcomes {
 public:
  explicit Outcomes(Board& board) : board_(board) {}

  // The winner takes part of the loser's army (the loser's own losses come from Haiboku),
  // its public order is diluted by the absorbed troops, fame, cohesion and awe rise.
  void Shouri_rtn(gun& g1, const gun& g2, const Bushou& Gunsi, bool isKouhuku);
  // The loser after a field battle, then two desertion draws; the first deserter joins `winner`.
  void Haiboku_rtn(gun& g1, const Bushou& Gunsi, const gun& winner);
  // The loser after a surrender, then two desertion draws; the first deserter joins `winner`.
  void Haiboku_rtn2(gun& g1, const Bushou& Gunsi, const gun& winner);
  // Both sides lose a quarter of army, elite troops and public order.
  void Hikiwake_rtn(gun& g1, gun& g2);
  // g2 goes over to g1's alliance (or becomes independent); an alliance leader keeps his.
  void Kouhuku_rtn(const gun& g1, gun& g2);

 private:
  void defections(const gun& g1, const gun& winner);

  Board& board_;
};

}  // namespace velkaro
