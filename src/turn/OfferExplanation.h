#pragma once
// What the strategy explanation screen is told about one line of a panel's menu: its heading
// (strategy and difficulty), the Command.ini section, the target's name, the amount and the
// other factions moving on the same line.
#include <array>
#include <string>

#include "data/FactionTable.h"
#include "data/GameContext.h"
#include "data/StateFiles.h"
#include "ui/Controls.h"

namespace velkaro {

class OfferExplanation {
 public:
  OfferExplanation(GameContext& context, const ListBox& panelFactions);

  // The heading of line `line` of panel `panel` with strategy `strategy`.
  std::string headline(int strategy, int panel, int line) const;
  // Fills the context's text number, message parameters, shared text and selected officer.
  void prepare(int strategy, int panel, int line, const std::string& heading);

 private:
  // "袁術、劉表が動いている", or empty when no other listed faction chose the line.
  std::string sameLineText(int panel, int line) const;
  std::string factionName(int id) const;
  std::string officerName(int id) const;
  // The section and parameters for an offer aimed at a faction or an officer.
  int aimed(int strategy, int target, int amount, const std::string& sameLine);

  GameContext& ctx_;
  const ListBox& panelFactions_;
  StateFiles files_;
  FactionTable factions_;
};

}  // namespace velkaro
