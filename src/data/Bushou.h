#pragma once
// One officer (武将) of the game.
#include <string>

#include "data/Numbers.h"

namespace velkaro {

class Bushou {
 public:
  int16 id = 0;
  std::string name = "何某";
  int16 policy = 1;   // 政治
  int16 fight = 1;    // 武勇
  int16 wisdom = 0;   // 智謀
  int16 tactics = 0;  // 采配
  int16 charm = 0;    // 器量
  int16 Setu = 0;     // 節度
  int16 kunID = 0;    // the ruler served (a ruler's own id for the ruler)
  int16 gunID = 0;    // the faction, derived after loading
  int16 Job = 0;
  std::string jpg;
  int16 commentID = 0;  // 0 = none, 200 = fictional officer

  void setName(const std::string& newName) { name = newName; }

  // Numeric field n (1..8) in file order: policy, fight, wisdom, tactics, charm, Setu, kunID, Job.
  int16& field(int n);
  int16 field(int n) const { return const_cast<Bushou*>(this)->field(n); }

  // The slot-0 record: nobody.
  static Bushou placeholder();
};

}  // namespace velkaro
