#pragma once
// Deals the yearly strategy menus of the four panels (ld_Com_rtn) with their targets,
// amounts and difficulties, through the target pickers.
#include <array>
#include <vector>

#include "data/GameContext.h"
#include "data/OfficerTable.h"
#include "ui/Controls.h"

namespace velkaro {

class StrategyMenu {
 public:
  StrategyMenu(GameContext& context, const std::array<ListBox, kPanels>& factionLists,
               std::array<ListBox, kPanels>& strategyLists);

  // Clears and deals all four menus; fills ctx.menuStrategy, ctx.menuLines and the parameters.
  void ld_Com_rtn();

  // The pickers; each sets currentId (0 = nothing found) and returns it.
  int16 Rnd_Zai_rtn();
  int16 Rnd_Dou_rtn(int panel);
  int16 rndTaMeiRtn(int panel);
  int16 Rnd_Teki_rtn(int panel);
  int16 rndGunRtn();

  int16 currentId = 0;

 private:
  void dealAlliance(int panel);
  // One draw of an alliance panel: 人材募集, 兵力確保, 黄巾賊退治, 異民族討伐 (true), else nothing.
  bool dealAllianceStaffing(int panel, int r, double x);
  // One draw of an alliance panel for the diplomatic and warlike offers.
  void dealAllianceDiplomacy(int panel, int r, double x);
  int16 allianceDifficulty(double x);
  void dealIndependents();
  void addLine(int panel, int strategy, int16 target, int16 amount, int16 difficulty);
  int16 previousTarget(int panel) const;
  int16 pick(const std::vector<int16>& candidates);
  int16 koukinAmount(double x);
  int16 iminzokuAmount(double x);

  GameContext& ctx_;
  OfficerTable officers_;  // the officer file, read by the first Rnd_Zai_rtn
  bool officersLoaded_ = false;
  const std::array<ListBox, kPanels>& factionLists_;
  std::array<ListBox, kPanels>& strategyLists_;
};

}  // namespace velkaro
