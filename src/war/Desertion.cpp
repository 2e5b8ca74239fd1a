#include "war/Desertion.h"

#include "board/Real.h"

namespace velkaro {

int16 Desertion::Rnd_Shuppon(const gun& g1) {
  if (!board_.isFaction(g1.id)) return 0;  // "某国" has no members: its list would be the unaffiliated
  const int n = board_.Sch_chr_rtn(g1.id);
  if (n <= 1) return 0;
  Random& rng = board_.rng();
  for (int k = 0; k < n; ++k) {
    const int16 member = board_.memberList[static_cast<std::size_t>(k)];
    const int first = rng.d(10);
    const int r = first + rng.d(10) + 2;
    const Bushou& b = board_.officers[member];
    if (R(r) >= R(g1.kessoku) / 10 + R(b.Setu) && member != g1.kunshuID) return member;
  }
  return 0;
}

void Desertion::Rnd_Shuppon2(const gun& receiving, const gun& losing) {
  GameContext& ctx = board_.ctx;
  ctx.msgParam1.clear();
  board_.rng().reseedFromClock();
  if (!board_.isFaction(losing.id) || !board_.isFaction(receiving.id)) return;
  Random& rng = board_.rng();
  for (int i = 1; i <= board_.officerMax(); ++i) {
    Bushou& b = board_.officers[i];
    if (b.gunID != losing.id) continue;
    const int a1 = rng.d(8);
    const int a = a1 + rng.d(8);
    const int b1 = rng.d(50);
    const int draw = b1 + rng.d(50) + 2;
    if (a >= b.Setu + 2 && R(draw) > R(losing.kessoku) * 3 / 5 + 40 && i != losing.kunshuID) {
      b.gunID = receiving.id;
      b.kunID = receiving.kunshuID;
      ctx.msgParam1 += b.name + "、";
    }
  }
}

}  // namespace velkaro
