#pragma once
// The alliance strategies: 調停, 糾弾, 同盟参加, 脱退 and 盟主交替, acting on fame, cohesion,
// alliance membership and the cohesion of the alliance slots.
#include "board/Board.h"
#include "resolution/StrategyLine.h"

namespace velkaro {

class Diplomacy {
 public:
  explicit Diplomacy(Board& board) : board_(board) {}

  void mediate(const StrategyLine& line);        // 6 調停
  void denounce(const StrategyLine& line);       // 7 糾弾
  void joinAlliance(const StrategyLine& line);   // 8 同盟参加
  void leaveAlliance(const StrategyLine& line);  // 9 脱退
  void replaceLeader(const StrategyLine& line);  // 10 盟主交替

 private:
  // Nobody passed the difficulty check: one line naming the strategy, if anybody tried.
  void nobodyAble(const StrategyLine& line, const char* strategy);

  Board& board_;
};

}  // namespace velkaro
