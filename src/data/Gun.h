#pragma once
// One warlord faction (軍閥) of the game.
#include <string>

#include "data/Numbers.h"

namespace velkaro {

class gun {
 public:
  int16 id = 0;
  std::string name;
  int16 kunshuID = 0;  // the ruler's officer id
  int16 meishuID = 0;  // the alliance leader's officer id; 0 = no alliance
  int16 army = 0;      // thousands
  int16 seihei = 0;    // elite troops, thousands
  int16 meisei = 0;    // 名声
  int16 tian = 0;      // 治安
  int16 kessoku = 0;   // 結束力
  int16 ifu = 0;       // 畏怖
  bool del = false;    // destroyed
  int16 gunshi = 0;    // staff value, derived

  // Numeric field n (1..8) in file order: meishuID, kunshuID, army, seihei, meisei, tian, kessoku, ifu.
  int16& field(int n);
  int16 field(int n) const { return const_cast<gun*>(this)->field(n); }

  bool isAllianceLeader() const { return meishuID != 0 && meishuID == kunshuID; }
  bool alliedWith(const gun& other) const { return meishuID != 0 && meishuID == other.meishuID; }

  // The slot-0 record: "某国", destroyed.
  static gun placeholder();
};

}  // namespace velkaro
