#pragma once
// The year's figures of every standing faction as the year-end report counts them (troops,
// fame, score), put into the history record at the start of each year.
#include <array>
#include <vector>

#include "data/GameContext.h"
#include "data/HistoryRecord.h"

namespace velkaro {

class YearFigures {
 public:
  // allianceTroops: army + seihei per alliance panel as the main screen last drew them, the
  // same totals the report's alliance part uses.
  YearFigures(GameContext& context, const std::array<long, kPanels>& allianceTroops)
      : ctx_(context), troops_(allianceTroops) {}

  // One row per standing faction, in faction order.
  std::vector<HistoryRecord::Row> rows(int year) const;
  // Records the year; `fresh` starts a new game's record with it.
  void record(int year, bool fresh) const;

 private:
  bool ledByPlayer(int faction) const;

  GameContext& ctx_;
  const std::array<long, kPanels>& troops_;
};

}  // namespace velkaro
