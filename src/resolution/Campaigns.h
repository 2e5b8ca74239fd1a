#pragma once
// The strategies that work on talent, troops and the enemy's staff: 人材募集, 兵力確保, 調略,
// 黄巾賊退治 and 異民族討伐.
#include "board/Board.h"
#include "resolution/StrategyLine.h"

namespace velkaro {

class Campaigns {
 public:
  explicit Campaigns(Board& board) : board_(board) {}

  void recruit(const StrategyLine& line);       // 1 人材募集
  void raiseTroops(const StrategyLine& line);   // 2 兵力確保
  void subvert(const StrategyLine& line);       // 3 調略
  void yellowTurbans(const StrategyLine& line); // 4 黄巾賊退治
  void borderPeoples(const StrategyLine& line); // 5 異民族討伐

  // Fame rises only while it is below 200 (it may end above), awe only while below 100.
  static void fameStep(gun& g, int n);
  static void aweStep(gun& g, int n);

 private:
  // The officer now serves the actor's ruler; nobody (id 0) cannot be moved.
  void join(int officerId, const Bushou& actor);
  void hides(const Bushou& target);

  Board& board_;
};

}  // namespace velkaro
