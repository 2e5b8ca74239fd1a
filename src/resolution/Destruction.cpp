#include "resolution/Destruction.h"

namespace velkaro {

Destruction::Result Destruction::checkMetubou() {
  Result result;
  GameContext& ctx = board_.ctx;
  for (int g = 1; g <= board_.factionMax(); ++g) {
    gun& faction = board_.factions[g];
    if (faction.del) continue;
    // The draw is made for every standing faction, whatever decides its survival.
    const int r = board_.rng().d(50) + 1;
    bool staffed = false;
    for (int i = 1; i <= board_.officerMax() && !staffed; ++i) {
      const Bushou& b = board_.officers[i];
      staffed = b.gunID == g && b.kunID != i;
    }
    if (faction.army >= 20 || staffed || faction.meisei - faction.ifu > r) continue;

    const bool ledAlliance = faction.kunshuID == faction.meishuID;
    Metubou(g);
    board_.textStep(60, faction.name, "");
    if (ledAlliance) looseMeishu(g);
    if (board_.isPlayer(g)) {
      // The player's slot is emptied for the rest of the game.
      for (auto& slot : ctx.playerFaction) {
        if (slot == g) slot = 0;
      }
      result.playerFell = true;
    }
  }
  result.allPlayersGone = checkAllMetubou();
  return result;
}

void Destruction::Metubou(int factionId) {
  if (!board_.isFaction(factionId)) return;  // the placeholder "某国" is never changed
  gun& faction = board_.factions[factionId];
  faction.del = true;
  faction.meishuID = 0;
}

void Destruction::looseMeishu(int factionId) {
  if (!board_.isFaction(factionId)) return;
  gun& fallen = board_.factions[factionId];
  const int16 leader = fallen.kunshuID;
  const int fm = board_.factionMax();

  int16 successor = 0;
  for (int f = 1; f <= fm; ++f) {
    const gun& g = board_.factions[f];
    if (g.meishuID == leader && !g.del && g.meishuID != g.kunshuID) successor = g.kunshuID;
  }
  if (successor != 0) {
    board_.textStep(59, board_.officers[successor].name);
    for (int f = 1; f <= fm; ++f) {
      if (board_.factions[f].meishuID == leader) board_.factions[f].meishuID = successor;
    }
  } else {
    int founder = 0;
    for (int f = 1; f <= fm && founder == 0; ++f) {
      const gun& g = board_.factions[f];
      if (g.meishuID == 0 && !g.del) founder = f;
    }
    for (int f = 1; f <= fm && founder == 0; ++f) {
      const gun& g = board_.factions[f];
      if (!g.del && g.meishuID != g.kunshuID) founder = f;
    }
    // With nobody left to found an alliance nothing changes and nothing is announced.
    if (founder != 0) {
      gun& g = board_.factions[founder];
      g.meishuID = g.kunshuID;
      board_.textStep(59, g.name);
    }
  }
  fallen.meishuID = 0;
}

bool Destruction::checkAllMetubou(const Board& board) {
  const GameContext& ctx = board.ctx;
  for (int f = 1; f <= board.factionMax(); ++f) {
    if (ctx.playerFaction[static_cast<std::size_t>(f - 1)] != 0 && !board.factions[f].del) return false;
  }
  return true;
}

}  // namespace velkaro
