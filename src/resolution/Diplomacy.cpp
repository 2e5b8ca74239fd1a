#include "resolution/Diplomacy.h"

#include <algorithm>

#include "data/TextFile.h"
#include "board/Real.h"

namespace velkaro {

void Diplomacy::nobodyAble(const StrategyLine& line, const char* strategy) {
  if (line.lastFailure != 0) board_.textStep(58, strategy);
}

void Diplomacy::mediate(const StrategyLine& line) {
  if (line.actor == 0) {
    nobodyAble(line, "調停");
    return;
  }
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  acting.meisei = sat16(std::min(acting.meisei + line.param3, 200));
  int16& cohesion = board_.panelCohesion(acting.id);
  cohesion = sat16(std::min(cohesion + actor.policy, 100));
  // The actor's policy is the cohesion gained, not fame: the fame line names no figure
  // ("…の名声は九州に鳴り響いた").
  board_.textStep(6, actor.name, acting.name + "の名声は九");
}

void Diplomacy::denounce(const StrategyLine& line) {
  if (line.actor == 0) {
    nobodyAble(line, "糾弾");
    return;
  }
  const Bushou& actor = board_.officers[line.actor];
  if (actor.gunID == line.param1) {
    board_.textStep(27, actor.name);
    return;
  }
  gun& target = board_.faction(line.param1);
  const real kept = 1 - R(line.param3) / 20;
  target.meisei = sat16(intFloor(kept * R(target.meisei)));
  target.kessoku = sat16(intFloor(kept * R(target.kessoku)));
  int16& cohesion = board_.panelCohesion(target.id);
  cohesion = cint(R(cohesion) / 3);
  board_.textStep(7, actor.name, target.name + "の名声と、その幕僚の結束が" + numStr(line.param3));
}

void Diplomacy::joinAlliance(const StrategyLine& line) {
  if (line.actor == 0) return;
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  if (acting.kunshuID == acting.meishuID) {
    board_.textStep(18, actor.name);
    return;
  }
  if (R(acting.meisei) / 20 + R(actor.policy + 3) < R(line.param3 + line.roll)) {
    // A ruler who asks in person is turned down for his own standing (自ら), not his faction's name.
    board_.textStep(39, actor.name, line.actor == acting.kunshuID ? std::string("自ら") : acting.name);
    return;
  }
  const gun& leaderFaction = board_.factionOf(line.param1);
  acting.meishuID = leaderFaction.meishuID;
  if (acting.meishuID == 0) {
    board_.append(board_.officers[line.param1].name + "同盟が既に無くなっていたため、");
    board_.append(acting.name + "は独立軍閥となった。" + kCrLf);
    return;
  }
  int16& cohesion = board_.panelCohesion(leaderFaction.id);
  cohesion = cint(R(acting.meisei) / 12 + R(cohesion) - 5);
  const std::string& leader = board_.officers[acting.meishuID].name;
  const bool inPerson = line.actor == acting.kunshuID;
  board_.textStep(8, actor.name, (inPerson ? std::string("その名声により") : acting.name + "はその名声により") + leader);
}

void Diplomacy::leaveAlliance(const StrategyLine& line) {
  if (line.actor == 0 || line.best < line.param3 + line.roll) return;
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  if (actor.kunID == acting.meishuID) {
    board_.textStep(18, actor.name);
    return;
  }
  acting.meishuID = 0;
  // "…の進言を容れ、…は" when an officer advised it; a ruler decides it himself.
  const std::string who =
      line.actor == acting.kunshuID ? acting.name + "は自ら" : actor.name + "の進言を容れ、" + acting.name + "は";
  board_.textStep(9, who, acting.name);
}

void Diplomacy::replaceLeader(const StrategyLine& line) {
  if (line.actor == 0) return;
  const Bushou& actor = board_.officers[line.actor];
  gun& acting = board_.factions[actor.gunID];
  if (acting.meishuID == actor.kunID || acting.meishuID <= 0) {
    board_.textStep(33, actor.name);
    return;
  }
  const int16 old = acting.meishuID;
  gun& leader = board_.factionOf(old);
  const real own = R(acting.meisei + acting.ifu) / 10 + R(line.best);
  const real bar = R(line.param3) + R(leader.meisei + leader.ifu) / 10 + R(line.roll);
  if (own < bar) {
    board_.textStep(44, actor.name);
    return;
  }
  // The deposed leader's faction leaves; every other member follows the new leader.
  leader.meishuID = 0;
  for (int f = 1; f <= board_.factionMax(); ++f) {
    if (board_.factions[f].meishuID == old) board_.factions[f].meishuID = actor.kunID;
  }
  board_.textStep(10, actor.name, acting.name);
}

}  // namespace velkaro
