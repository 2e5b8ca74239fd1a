#include "turn/YearFigures.h"

#include "data/DataError.h"
#include "data/FactionTable.h"
#include "data/StateFiles.h"
#include "turn/Report.h"

namespace velkaro {

bool YearFigures::ledByPlayer(int faction) const {
  for (int slot = 0; slot < kPlayerSlots; ++slot) {
    if (ctx_.playerFaction[static_cast<std::size_t>(slot)] == faction) return true;
  }
  return false;
}

std::vector<HistoryRecord::Row> YearFigures::rows(int year) const {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  const Report report(ctx_, troops_);
  std::vector<HistoryRecord::Row> out;
  for (int f = 1; f <= ctx_.FACTION_MAX && f < FactionTable::kSlots; ++f) {
    const gun& g = factions[f];
    if (g.id != f || g.del) continue;
    HistoryRecord::Row row;
    row.year = year;
    row.faction = f;
    row.name = g.name;
    row.troops = static_cast<long long>(g.army) + g.seihei;
    row.fame = g.meisei;
    row.score = static_cast<double>(report.score(g));
    row.player = ledByPlayer(f);
    out.push_back(std::move(row));
  }
  return out;
}

void YearFigures::record(int year, bool fresh) const {
  try {
    HistoryRecord::putYear(ctx_.dir, year, rows(year), fresh);
  } catch (const DataError&) {
    // The faction file is read by every other step of the year too; its fault is shown there.
  }
}

}  // namespace velkaro
