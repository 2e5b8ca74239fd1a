#pragma once
// The three alliance slots of the main screen: which leader holds each slot, its cohesion
// and its panel heading.
#include <array>
#include <string>

#include "data/FactionTable.h"
#include "data/GameContext.h"

namespace velkaro {

class AllianceSlots {
 public:
  // ini_Mei_rtn: slots from the faction file at the start of a game; cohesion = the leader's fame.
  static void ini_Mei_rtn(GameContext& ctx, const FactionTable& factions, std::array<std::string, kPanels>& headings);
  // res_Mei_rtn: the same at every new year, but an alliance keeps its cohesion (by leader id)
  // whatever slot it lands in.
  static void res_Mei_rtn(GameContext& ctx, const FactionTable& factions, std::array<std::string, kPanels>& headings);

 private:
  static void fill(GameContext& ctx, const FactionTable& factions, std::array<std::string, kPanels>& headings,
                   const std::array<int16, kPanels>* rememberedLeader, const std::array<int16, kPanels>* rememberedCohesion);
};

}  // namespace velkaro
