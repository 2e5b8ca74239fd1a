#include "turn/AllianceSlots.h"

namespace velkaro {

void AllianceSlots::ini_Mei_rtn(GameContext& ctx, const FactionTable& factions,
                               std::array<std::string, kPanels>& headings) {
  fill(ctx, factions, headings, nullptr, nullptr);
}

void AllianceSlots::res_Mei_rtn(GameContext& ctx, const FactionTable& factions,
                               std::array<std::string, kPanels>& headings) {
  const std::array<int16, kPanels> leaders = ctx.meishu;
  const std::array<int16, kPanels> cohesion = ctx.meishuKessoku;
  fill(ctx, factions, headings, &leaders, &cohesion);
}

void AllianceSlots::fill(GameContext& ctx, const FactionTable& factions, std::array<std::string, kPanels>& headings,
                         const std::array<int16, kPanels>* rememberedLeader,
                         const std::array<int16, kPanels>* rememberedCohesion) {
  ctx.meishu.fill(0);
  ctx.meishuKessoku.fill(0);
  for (int f = 1; f <= ctx.FACTION_MAX && f < FactionTable::kSlots; ++f) {
    const gun& g = factions[f];
    if (g.meishuID != g.kunshuID || g.meishuID <= 0) continue;
    int slot = 1;
    while (slot < kPanels && ctx.meishu[static_cast<std::size_t>(slot)] != 0) ++slot;
    if (slot >= kPanels) continue;  // a fourth leader gets no slot
    const auto m = static_cast<std::size_t>(slot);
    ctx.meishu[m] = g.meishuID;
    headings[m] = g.name;
    int16 cohesion = g.meisei;
    if (rememberedLeader != nullptr) {
      for (std::size_t old = 1; old < kPanels; ++old) {
        if ((*rememberedLeader)[old] == g.meishuID && (*rememberedCohesion)[old] >= 1) cohesion = (*rememberedCohesion)[old];
      }
    }
    ctx.meishuKessoku[m] = cohesion;
  }
  ctx.meishu[0] = 0;
}

}  // namespace velkaro
