#pragma once
// Year-end administration (Policy_rtn: public order) and personnel (Jinji_rtn: cohesion),
// with their scandals and the report texts 11, 45 and 38.
#include <array>
#include <string>

#include "data/GameContext.h"
#include "data/PageTable.h"
#include "data/StateFiles.h"

namespace velkaro {

class YearEnd {
 public:
  // rulers: faction id -> kunshuID, as the main screen last loaded them.
  YearEnd(GameContext& context, const StateFiles::FactionColumn& rulers, PageTable& report);

  void Policy_rtn();
  void Jinji_rtn();

  // A scandal roll: Int(a × 2) × Int(b × 6), a drawn first (0..5).
  static int scandalRoll(Random& rng);

 private:
  int factionOf(int kunID) const;
  void textStep(int number, const std::string& param1, const std::string& param2);

  GameContext& ctx_;
  const StateFiles::FactionColumn& rulers_;
  PageTable& report_;
};

}  // namespace velkaro
