#include "turn/OfferExplanation.h"

#include "data/TextFile.h"
#include "turn/Strategy.h"

namespace velkaro {

OfferExplanation::OfferExplanation(GameContext& context, const ListBox& panelFactions)
    : ctx_(context), panelFactions_(panelFactions), files_(context.dir) {
  files_.loadFactions(factions_, ctx_.FACTION_MAX);
}

std::string OfferExplanation::headline(int strategy, int panel, int line) const {
  std::string text = Strategy::name(strategy);
  const int16 difficulty = ctx_.param3[static_cast<std::size_t>(panel)][static_cast<std::size_t>(line)];
  auto requirement = [&](const char* need) { text += std::string(kCrLf) + "（難易度" + numStr(difficulty) + "・" + need; };
  switch (strategy) {
    case kHeiryoku:
    case kKyuudan:
    case kDoumeiSanka: requirement("要政治）"); break;
    case kChouryaku:
    case kDattai:
    case kMeishuKoutai: requirement("要智謀）"); break;
    case kKoukin: requirement("要武力、他）"); break;
    case kIminzoku: requirement("要采配、他）"); break;
    case kChoutei: requirement("要器量、他)"); break;
    case kJinzai: text += std::string(kCrLf) + "（" + "要器量)"; break;
    default: break;
  }
  return text;
}

std::string OfferExplanation::sameLineText(int panel, int line) const {
  std::string sameLine;
  for (int f = 1; f <= ctx_.FACTION_MAX; ++f) {
    const auto id = static_cast<std::size_t>(f);
    bool listed = false;
    for (const auto& item : panelFactions_.items) listed = listed || item.itemData == f;
    if (!listed || ctx_.factionPanel[id] != panel || ctx_.chosenLine[id] != line) continue;
    if (!factions_[f].del) sameLine += factions_[f].name + "、";
  }
  // "曹操、劉備が動いている": the last name takes が, not a comma.
  if (!sameLine.empty()) sameLine = sameLine.substr(0, sameLine.size() - std::string("、").size()) + "が動いている";
  return sameLine;
}

// A target that is no faction of the file has no name (not the placeholder's "某国").
std::string OfferExplanation::factionName(int id) const {
  return id >= 1 && factions_[id].id == id ? factions_[id].name : std::string();
}

std::string OfferExplanation::officerName(int id) const { return files_.loadOfficer(id, ctx_.OFFICER_MAX).name; }

int OfferExplanation::aimed(int strategy, int target, int amount, const std::string& sameLine) {
  // The amount follows the list on a line of its own, so the two never run together.
  const std::string beforeAmount = sameLine.empty() ? sameLine : sameLine + kCrLf;
  switch (strategy) {
    case kJinzai:
      ctx_.msgParam1 = officerName(target);
      ctx_.msgParam2 = sameLine;
      ctx_.selectedOfficer = static_cast<int16>(target);
      return 1;
    case kHeiryoku:
      ctx_.msgParam1 = factionName(target);
      ctx_.msgParam2 = beforeAmount + numStr(static_cast<int16>(amount)) + "％を借り受け、そのまま自分の物とする。";
      return 2;
    case kKoukin:
    case kIminzoku:
      ctx_.msgParam1 = officerName(target);
      ctx_.msgParam2 = beforeAmount + numStr(static_cast<int16>(amount)) + "000を傘下に収める。";
      ctx_.selectedOfficer = static_cast<int16>(target);
      return strategy == kKoukin ? 4 : 5;
    case kChouryaku:
    case kKyuudan:
    case kSensou:
    case kGisen:
      ctx_.msgParam1 = factionName(target);
      ctx_.msgParam2 = sameLine;
      return strategy == kChouryaku ? 3 : (strategy == kKyuudan ? 7 : (strategy == kSensou ? 11 : 12));
    case kDoumeiSanka:
      ctx_.msgParam1 = officerName(target);
      ctx_.msgParam2 = sameLine;
      return 8;
    case kChoutei:
    case kDattai:
    case kMeishuKoutai:
      ctx_.msgParam2 = sameLine;
      return strategy == kChoutei ? 6 : (strategy == kDattai ? 9 : 10);
    default: return 20;  // 待機 and anything unknown
  }
}

void OfferExplanation::prepare(int strategy, int panel, int line, const std::string& heading) {
  const auto k = static_cast<std::size_t>(panel);
  const auto j = static_cast<std::size_t>(line);
  // Offers not aimed at an officer show no officer's data.
  ctx_.selectedOfficer = 0;
  const int number = aimed(strategy, ctx_.param1[k][j], ctx_.param2[k][j], sameLineText(panel, line));
  ctx_.textNumber = static_cast<int16>(number);
  ctx_.sharedText = heading;
  ctx_.sharedName = ctx_.selectedOfficer >= 1 ? ctx_.msgParam1 : std::string();
}

}  // namespace velkaro
