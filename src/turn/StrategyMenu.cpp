#include "turn/StrategyMenu.h"

#include <cmath>
#include <vector>

#include "data/OfficerTable.h"
#include "data/StateFiles.h"
#include "turn/Strategy.h"

namespace velkaro {
namespace {
int16 intOf(double value) { return sat16(static_cast<long long>(std::floor(value))); }
}  // namespace

StrategyMenu::StrategyMenu(GameContext& context, const std::array<ListBox, kPanels>& factionLists,
                           std::array<ListBox, kPanels>& strategyLists)
    : ctx_(context), factionLists_(factionLists), strategyLists_(strategyLists) {}

int16 StrategyMenu::pick(const std::vector<int16>& candidates) {
  if (candidates.empty()) return 0;
  return candidates[static_cast<std::size_t>(ctx_.rng.d(static_cast<int>(candidates.size())))];
}

int16 StrategyMenu::Rnd_Zai_rtn() {
  // Dealing changes no officer, so one reading of the file serves every pick of the deal.
  if (!officersLoaded_) {
    StateFiles(ctx_.dir).loadOfficers(officers_, ctx_.OFFICER_MAX);
    officersLoaded_ = true;
  }
  std::vector<int16> candidates;
  for (int i = 1; i <= ctx_.OFFICER_MAX && i < OfficerTable::kSlots; ++i) {
    if (officers_[i].id == i && officers_[i].kunID == 0) candidates.push_back(static_cast<int16>(i));
  }
  ctx_.rng.reseedFromClock();
  currentId = pick(candidates);
  return currentId;
}

int16 StrategyMenu::Rnd_Dou_rtn(int panel) {
  const ListBox& list = factionLists_[static_cast<std::size_t>(panel)];
  if (list.listCount() == 0) return currentId;
  currentId = static_cast<int16>(list.itemData(ctx_.rng.d(list.listCount())));
  return currentId;
}

int16 StrategyMenu::rndTaMeiRtn(int panel) {
  std::vector<int16> candidates;
  for (int slot = 1; slot < kPanels; ++slot) {
    if (slot != panel) candidates.push_back(ctx_.meishu[static_cast<std::size_t>(slot)]);
  }
  currentId = pick(candidates);
  return currentId;
}

int16 StrategyMenu::Rnd_Teki_rtn(int panel) {
  std::vector<int16> candidates;
  for (int k = 0; k < kPanels; ++k) {
    if (k == panel) continue;
    for (const auto& item : factionLists_[static_cast<std::size_t>(k)].items) candidates.push_back(static_cast<int16>(item.itemData));
  }
  currentId = pick(candidates);
  return currentId;
}

int16 StrategyMenu::rndGunRtn() {
  std::vector<int16> candidates;
  for (const auto& list : factionLists_) {
    for (const auto& item : list.items) candidates.push_back(static_cast<int16>(item.itemData));
  }
  currentId = pick(candidates);
  return currentId;
}

int16 StrategyMenu::previousTarget(int panel) const {
  const auto k = static_cast<std::size_t>(panel);
  const auto line = static_cast<std::size_t>(strategyLists_[k].listCount());
  return line < kMenuLines ? ctx_.param1[k][line] : int16{0};
}

void StrategyMenu::addLine(int panel, int strategy, int16 target, int16 amount, int16 difficulty) {
  const auto k = static_cast<std::size_t>(panel);
  ListBox& list = strategyLists_[k];
  const auto line = static_cast<std::size_t>(list.listCount());
  if (line >= kMenuLines) return;
  list.addItem(Strategy::name(strategy), strategy);
  ctx_.menuStrategy[k][line] = static_cast<int16>(strategy);
  ctx_.param1[k][line] = target;
  ctx_.param2[k][line] = amount;
  ctx_.param3[k][line] = difficulty;
  ctx_.menuLines[k] = static_cast<int16>(list.listCount());
}

int16 StrategyMenu::koukinAmount(double x) {
  const double y = ctx_.rng.rnd();
  const double z = ctx_.rng.rnd();
  return sat16(static_cast<long long>(intOf(z * 10 + 1)) * intOf(x * 10 + 1) * intOf(y * 3 + 1));
}

int16 StrategyMenu::iminzokuAmount(double x) {
  const int first = ctx_.rng.d(6);
  return static_cast<int16>(first + intOf(x * 6) + 2);
}

int16 StrategyMenu::allianceDifficulty(double x) {
  const int first = ctx_.rng.d(4);
  return static_cast<int16>(first + intOf(x * 4) + 2);
}

void StrategyMenu::dealAlliance(int panel) {
  for (int draw = 0; draw < 4; ++draw) {
    ctx_.rng.reseedFromClock();
    const int r = ctx_.rng.d(14) + 1;
    const double x = ctx_.rng.rnd();
    if (!dealAllianceStaffing(panel, r, x)) dealAllianceDiplomacy(panel, r, x);
  }
}

bool StrategyMenu::dealAllianceStaffing(int panel, int r, double x) {
  switch (r) {
    case 1:
    case 14:
      if (Rnd_Zai_rtn() != 0) addLine(panel, kJinzai, currentId, 0, officers_[currentId].charm);
      return true;
    case 2: {
      const int16 target = Rnd_Dou_rtn(panel);
      const int16 amount = static_cast<int16>(ctx_.rng.d(11) + 10);
      addLine(panel, kHeiryoku, target, amount, allianceDifficulty(x));
      return true;
    }
    case 4:
    case 5: {
      const int16 target = Rnd_Zai_rtn();
      const int16 amount = r == 4 ? koukinAmount(x) : iminzokuAmount(x);
      addLine(panel, r == 4 ? kKoukin : kIminzoku, target, amount, allianceDifficulty(x));
      return true;
    }
    default: return false;
  }
}

void StrategyMenu::dealAllianceDiplomacy(int panel, int r, double x) {
  const auto k = static_cast<std::size_t>(panel);
  // Offers dealt without a picker keep whatever target their slot held.
  const int16 kept = previousTarget(panel);
  switch (r) {
    case 3:
    case 7: {
      const int16 target = Rnd_Dou_rtn(panel);
      addLine(panel, r == 3 ? kChouryaku : kKyuudan, target, 0, allianceDifficulty(x));
      break;
    }
    case 6: addLine(panel, kChoutei, kept, 0, allianceDifficulty(x)); break;
    case 8:
      if (rndTaMeiRtn(panel) != 0) addLine(panel, kDoumeiSanka, currentId, 0, allianceDifficulty(x));
      break;
    case 9: addLine(panel, kDattai, kept, 0, cint(ctx_.meishuKessoku[k] / 10.0)); break;
    case 10: addLine(panel, kMeishuKoutai, kept, 0, allianceDifficulty(x)); break;
    case 11:
    case 12:
    case 13: {
      const int16 target = Rnd_Teki_rtn(panel);
      addLine(panel, r == 12 ? kGisen : kSensou, target, 0, allianceDifficulty(x));
      break;
    }
    default: break;
  }
}

void StrategyMenu::dealIndependents() {
  for (int draw = 0; draw < 4; ++draw) {
    const int r = ctx_.rng.d(9) + 1;
    const double x = ctx_.rng.rnd();
    auto difficulty = [&] {
      const int first = ctx_.rng.d(3);
      return static_cast<int16>(first + ctx_.rng.d(3) + 3);
    };
    switch (r) {
      case 1:
        if (Rnd_Zai_rtn() == 0) break;
        addLine(0, kJinzai, currentId, 0, difficulty());
        break;
      case 2:
      case 7: {
        const int16 target = Rnd_Zai_rtn();
        const int16 amount = koukinAmount(x);
        addLine(0, kKoukin, target, amount, difficulty());
        break;
      }
      case 3:
      case 8: {
        const int16 target = Rnd_Zai_rtn();
        const int16 amount = iminzokuAmount(x);
        addLine(0, kIminzoku, target, amount, difficulty());
        break;
      }
      case 4:
      case 9: {
        const int16 target = rndTaMeiRtn(0);
        addLine(0, kDoumeiSanka, target, 0, difficulty());
        break;
      }
      case 5: {
        const int16 target = rndGunRtn();
        addLine(0, kSensou, target, 0, difficulty());
        break;
      }
      case 6: {
        const int16 target = rndGunRtn();
        addLine(0, kGisen, target, 0, difficulty());
        break;
      }
      default: break;
    }
  }
}

void StrategyMenu::ld_Com_rtn() {
  for (std::size_t k = 0; k < kPanels; ++k) {
    strategyLists_[k].clear();
    ctx_.menuLines[k] = 0;
  }
  for (int panel = 1; panel < kPanels; ++panel) dealAlliance(panel);
  dealIndependents();
  for (int panel = 0; panel < kPanels; ++panel) {
    const auto k = static_cast<std::size_t>(panel);
    const int line = strategyLists_[k].listCount();
    if (line < 3) {
      const auto p = static_cast<std::size_t>(line);
      addLine(panel, kTaiki, ctx_.param1[k][p], ctx_.param2[k][p], ctx_.param3[k][p]);
    }
  }
}

}  // namespace velkaro
