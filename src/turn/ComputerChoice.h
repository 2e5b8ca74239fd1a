#pragma once
// The computer's choice of a menu line for every listed faction (Tagun_rtn, searchCommand).
#include <array>

#include "data/FactionTable.h"
#include "data/GameContext.h"
#include "ui/Controls.h"

namespace velkaro {

class ComputerChoice {
 public:
  explicit ComputerChoice(GameContext& context) : ctx_(context) {}

  // Loads the factions, computes their staff values and chooses for every faction listed in
  // the four panels, writing ctx.chosenLine.
  void Tagun_rtn(const std::array<ListBox, kPanels>& factionLists);

  // The line faction f of panel k chooses, given the loaded factions (with gunshi).
  int16 searchCommand(int faction, int panel, const FactionTable& factions);

  // army × gunshi, in 32 bits.
  static long strength(const gun& g) { return static_cast<long>(g.army) * static_cast<long>(g.gunshi); }

 private:
  GameContext& ctx_;
};

}  // namespace velkaro
