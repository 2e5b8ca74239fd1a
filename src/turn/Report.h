#pragma once
// Scores and the interim / final report (Houkoku_rtn), the yearly cohesion clamp and the log's
// first line.
#include <array>
#include <string>

#include "data/GameContext.h"
#include "data/Gun.h"

namespace velkaro {

class Report {
 public:
  // allianceTroops: army + seihei summed per alliance panel as last drawn.
  Report(GameContext& context, const std::array<long, kPanels>& allianceTroops)
      : ctx_(context), troops_(allianceTroops) {}

  // army × (tian + 50) ÷ 150.
  static float mobilisable(const gun& g);
  // The leader's alliance troops × the alliance cohesion ÷ 100; 0 for a faction that leads none.
  float alliancePart(const gun& g) const;
  // 0 for a destroyed faction.
  float score(const gun& g) const;
  // Comma3: Int(x × 1000) ÷ 1000.
  static double comma3(double x);

  // Appends the report to `text` (which holds the heading), copies the log to
  // "\save\velkaro_end.log" and returns the text height the resolution screen is to use.
  int16 Houkoku_rtn(std::string& text);

  // Limit_rtn: every alliance cohesion into 0..100.
  static void Limit_rtn(GameContext& ctx);
  // mkFristLog: a fresh battle log holding its heading line only.
  static void mkFristLog(const GameContext& ctx);

 private:
  int slotOf(const gun& g) const;

  GameContext& ctx_;
  const std::array<long, kPanels>& troops_;
};

}  // namespace velkaro
