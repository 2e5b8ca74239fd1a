#include "resolution/Campaigns.h"

#include <algorithm>

#include "data/TextFile.h"
#include "board/Real.h"
#include "war/Desertion.h"

namespace velkaro {

void Campaigns::fameStep(gun& g, int n) {
  if (g.meisei < 200) g.meisei = sat16(g.meisei + n);
}

void Campaigns::aweStep(gun& g, int n) {
  if (g.ifu < 100) g.ifu = sat16(g.ifu + n);
}

void Campaigns::join(int officerId, const Bushou& actor) {
  if (!board_.isOfficer(officerId)) return;
  Bushou& b = board_.officers[officerId];
  b.kunID = actor.kunID;
  b.gunID = actor.gunID;
}

void Campaigns::hides(const Bushou& target) {
  board_.append(target.name + "は身を隠したようだった。" + kCrLf + kCrLf);
}

void Campaigns::recruit(const StrategyLine& line) {
  const Bushou& target = board_.officers[line.param1];
  if (line.actor == 0) {
    if (line.lastFailure != 0) board_.textStepParam2(52, target.name);
    return;
  }
  const Bushou& actor = board_.officers[line.actor];
  const gun& acting = board_.factions[actor.gunID];
  // Two in five officers hesitate; the willing ones always come.
  const long long x = intFloor(board_.rng().rnd() * 5 / 3);
  if (x == 1) {
    board_.textStep(47, actor.name, target.name + "は" + acting.name);
  } else {
    board_.textStep(48, target.name);
  }
  const bool success = x == 0 || R(acting.meisei - acting.ifu) / 7 >= R(line.roll - 5);
  if (!success) {
    board_.textStep(21, actor.name, target.name);
    return;
  }
  const std::string targetName = target.name;
  join(line.param1, actor);
  board_.textStep(1, actor.name, targetName + "が" + acting.name);
}

void Campaigns::raiseTroops(const StrategyLine& line) {
  if (line.best <= 0) return;
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  gun& lender = board_.faction(line.param1);
  if (lender.kunshuID == actor.kunID) {
    board_.textStep(53, actor.name);
    return;
  }
  if (R(acting.meisei) / 10 + R(actor.policy) < R(line.param3 + line.roll)) {
    board_.textStep(22, actor.name);
    return;
  }
  const long long lent = intFloor(R(lender.army) / 100 * R(line.param2));
  lender.army = sat16(lender.army - lent);
  lender.meisei = sat16(std::min(lender.meisei + 5, 200));
  acting.army = sat16(acting.army + lent);
  board_.textStep(2, actor.name, acting.name + "の名声により" + numStr(lent) + "000が" + acting.name);
  board_.append("兵を貸した");
  board_.append(lender.name + "の名声も上がった。" + kCrLf);
}

void Campaigns::subvert(const StrategyLine& line) {
  gun& target = board_.faction(line.param1);
  if (line.actor == 0) {
    if (line.lastFailure == 0 || board_.officers[line.lastFailure].gunID == target.id) return;
    board_.textStep(23, board_.officers[line.lastFailure].name, target.name);
    return;
  }
  const Bushou& actor = board_.officers[line.actor];
  const gun& acting = board_.factions[actor.gunID];
  if (target.kunshuID == actor.kunID) {
    board_.textStep(33, actor.name);
    return;
  }
  target.kessoku = sat16(intFloor(R(25 - actor.wisdom) / 25 * R(target.kessoku)));
  board_.textStep(3, actor.name, target.name + "陣営の結束が" + numStr(target.kessoku));
  Desertion(board_).Rnd_Shuppon2(acting, target);
  if (!board_.ctx.msgParam1.empty()) board_.textStepParam2(13, acting.name);
}

void Campaigns::yellowTurbans(const StrategyLine& line) {
  if (line.actor == 0) return;
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  const int bar = line.param3 + line.roll;
  if (!(line.best >= bar || actor.tactics > bar)) {
    board_.textStep(43, actor.name);
    return;
  }
  board_.textStep(4, actor.name);
  fameStep(acting, 3);
  aweStep(acting, 1);

  Random& rng = board_.rng();
  const int t1 = rng.d(10);
  const int t = t1 + rng.d(10) + 2;
  if (R(acting.tian + t) >= R(line.param2) / 3) {
    acting.army = sat16(acting.army + line.param2);
    fameStep(acting, 3);
    aweStep(acting, 1);
    board_.textStep(14, acting.name, numStr(line.param2) + "000が" + acting.name);
  } else {
    board_.textStep(24, acting.name, numStr(line.param2) + "000");
  }

  const int k1 = rng.d(6);
  const int k = k1 + rng.d(6) + 2;
  // An offer dealt when nobody was free names no leader: there is nobody to win over.
  if (!board_.isOfficer(line.param1)) return;
  const Bushou& ruler = board_.officers[actor.kunID];
  const Bushou& target = board_.officers[line.param1];
  if (ruler.charm + k >= target.charm + line.roll) {
    const std::string targetName = target.name;
    join(line.param1, actor);
    board_.textStep(1, ruler.name, targetName + "が" + acting.name);
  } else {
    hides(target);
  }
}

void Campaigns::borderPeoples(const StrategyLine& line) {
  if (line.actor == 0) {
    if (line.lastFailure != 0) board_.textStep(43, board_.officers[line.lastFailure].name);
    return;
  }
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  board_.textStep(5, actor.name);
  const long long gain = intFloor(R(line.param2 * (actor.charm + 1)) / 10);
  acting.seihei = sat16(acting.seihei + gain);
  acting.tian = acting.tian - 5 < 0 ? int16{0} : sat16(acting.tian - 5);
  if (actor.fight + 4 >= line.param3 + line.roll) {
    board_.textStep(46, actor.name, acting.name);
    fameStep(acting, 3);
    aweStep(acting, 3);
  }
  fameStep(acting, 1);
  aweStep(acting, 3);
  board_.textStep(15, actor.name, numStr(gain) + "000が" + acting.name);

  Random& rng = board_.rng();
  const int k1 = rng.d(6);
  const int k = k1 + rng.d(6) + 2;
  if (!board_.isOfficer(line.param1)) return;
  const Bushou& target = board_.officers[line.param1];
  if (actor.charm + k >= target.charm + line.roll) {
    const std::string targetName = target.name;
    join(line.param1, actor);
    board_.textStep(1, actor.name, targetName + "が" + acting.name);
  } else {
    hides(target);
  }
}

}  // namespace velkaro
