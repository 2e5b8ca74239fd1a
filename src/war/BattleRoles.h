#pragma once
// The four battle roles of a side (commander, strategist, general, champion) and the four
// staff totals over its officers.
#include "board/Board.h"

namespace velkaro {

// A role picker's result: the chosen officer (0 = nobody) and the stored best score.
struct RolePick {
  int16 id = 0;
  int16 score = 0;
};

class BattleRoles {
 public:
  explicit BattleRoles(Board& board) : board_(board) {}

  // Each scans the faction's officers in id order with fresh draws per eligible officer; a
  // later officer wins only with a strictly greater score than the stored (rounded) best.
  RolePick Taishou_rtn(const gun& g1);  // 将軍, 君主, 軍師: tactics + charm + 2..6
  RolePick Gunsi_rtn(const gun& g1);    // 軍師, 参謀: tactics + wisdom + 2..6; 将軍: wisdom / 2 + tactics + 2..6
  RolePick Shougun_rtn(const gun& g1);  // 将軍: tactics + 2..6
  RolePick Ikki_rtn(const gun& g1);     // 将軍, 君主, 武官: fight + 1..2

  // Sums of one ability over the posts named; never below 1.
  int16 Ttl_Shou_rtn(const gun& g1);  // 将軍: tactics
  int16 Ttl_Fgt_rtn(const gun& g1);   // 将軍: fight
  int16 Ttl_Plc_rtn(const gun& g1);   // 文官, 参謀, 将軍, 軍師: policy
  int16 Ttl_Wis_rtn(const gun& g1);   // 参謀, 将軍, 軍師: tactics

  // The last result, as the score register the war reads after each call.
  int16 scoreRegister() const { return register_; }

 private:
  template <typename Score>
  RolePick pick(const gun& g1, Score score);
  template <typename Counts>
  int16 total(const gun& g1, Counts counts);

  Board& board_;
  int16 register_ = 0;
};

}  // namespace velkaro
