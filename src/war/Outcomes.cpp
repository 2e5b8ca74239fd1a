#include "war/Outcomes.h"

#include <algorithm>

#include "board/Real.h"
#include "war/Desertion.h"

namespace velkaro {
namespace {

// Int(value × fraction): the part of a 16-bit value that is kept.
int16 keep(int16 value, real fraction) { return sat16(intFloor(R(value) * fraction)); }

}  // namespace

void Outcomes::Shouri_rtn(gun& g1, const gun& g2, const Bushou& Gunsi, bool isKouhuku) {
  const real p = isKouhuku ? R(cint(R(Gunsi.tactics + Gunsi.policy) * 1.5f + 10)) : R(Gunsi.policy * 2 + 10);
  const long long gain = intFloor(p / 100 * R(g2.army));
  g1.army = sat16(g1.army + gain);
  // Absorbed troops dilute public order; with no army at all there is nothing to dilute.
  if (g1.army != 0) g1.tian = sat16(intFloor(R(g1.tian) * (1 - R(gain) / R(g1.army))));
  g1.meisei = sat16(std::min(g1.meisei + 10, 200));
  g1.kessoku = sat16(std::min(g1.kessoku + 10, 100));
  g1.ifu = sat16(std::min(g1.ifu + 5, 100));
}

void Outcomes::Haiboku_rtn(gun& g1, const Bushou& Gunsi, const gun& winner) {
  const int16 p = cint(R(Gunsi.tactics + Gunsi.policy) * 1.5f + 10);
  g1.army = keep(g1.army, 1 - R(p + 5) / 100);
  g1.seihei = sat16(intFloor(R(g1.seihei) * 2 / 3));
  g1.meisei = sat16(intFloor(R(g1.meisei) * 4 / 5));
  g1.tian = sat16(intFloor(R(g1.tian) / 2));
  g1.kessoku = sat16(intFloor(R(g1.kessoku) * 2 / 3));
  defections(g1, winner);
}

void Outcomes::Haiboku_rtn2(gun& g1, const Bushou& Gunsi, const gun& winner) {
  const int p = Gunsi.policy * 2 + 10;
  g1.army = keep(g1.army, 1 - R(p) / 100);
  g1.seihei = sat16(intFloor(R(g1.seihei) * 2 / 3));
  g1.meisei = sat16(intFloor(R(g1.meisei) * 3 / 5));
  g1.kessoku = sat16(intFloor(R(g1.kessoku) / 2));
  defections(g1, winner);
}

void Outcomes::defections(const gun& g1, const gun& winner) {
  Desertion desertion(board_);
  // The first deserter goes over to the winning faction and its ruler. Taking them from the
  // strategist sent him to "某国", serving nobody, whenever the winner fought without one.
  const int16 turncoat = desertion.Rnd_Shuppon(g1);
  if (turncoat > 0) {
    Bushou& b = board_.officers[turncoat];
    b.gunID = winner.id;
    b.kunID = winner.kunshuID;
    board_.textStep(13, b.name, winner.name);
  }
  // The second one leaves to serve nobody.
  const int16 leaver = desertion.Rnd_Shuppon(g1);
  if (leaver > 0) {
    Bushou& b = board_.officers[leaver];
    b.gunID = 0;
    b.kunID = 0;
    board_.textStep(37, b.name);
  }
}

void Outcomes::Hikiwake_rtn(gun& g1, gun& g2) {
  for (gun* g : {&g1, &g2}) {
    g->army = sat16(intFloor(R(g->army) * 3 / 4));
    g->seihei = sat16(intFloor(R(g->seihei) * 3 / 4));
    g->tian = sat16(intFloor(R(g->tian) * 3 / 4));
  }
}

void Outcomes::Kouhuku_rtn(const gun& g1, gun& g2) {
  if (g2.kunshuID == g2.meishuID) {
    board_.textStep(57, g2.name, g1.name);
    return;
  }
  g2.meishuID = g1.meishuID;
  const std::string leader = g2.meishuID != 0 ? board_.officers[g2.meishuID].name : "独立軍閥";
  board_.textStep(41, g2.name, leader);
}

}  // namespace velkaro
