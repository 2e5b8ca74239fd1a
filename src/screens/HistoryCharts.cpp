#include "screens/HistoryCharts.h"

#include <map>

#include "data/DataError.h"
#include "data/HistoryRecord.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

constexpr std::array<const char*, HistoryCharts::kFigures> kTabs = {"兵力", "名声", "得点"};
constexpr std::array<const char*, HistoryCharts::kFigures> kAxes = {"兵力（千）", "名声", "得点"};

double valueOf(const HistoryRecord::Row& row, int figure) {
  switch (figure) {
    case HistoryCharts::kTroops: return static_cast<double>(row.troops);
    case HistoryCharts::kFame: return row.fame;
    default: return row.score;
  }
}

}  // namespace

HistoryCharts::HistoryCharts(GameContext& context, Ui& ui) : Screen(context, ui) {}

void HistoryCharts::Form_Load() {
  caption = "勢力推移";
  for (std::size_t i = 0; i < Tab.size(); ++i) Tab[i].caption = kTabs[i];
  cmdClose.caption = "閉";
  ld_Suii_rtn();
  Tab_Click(kTroops);
}

void HistoryCharts::ld_Suii_rtn() {
  for (auto& s : series_) s.clear();
  firstYear_ = lastYear_ = 0;
  Lab_msg.visible = true;
  std::vector<HistoryRecord::Row> rows;
  try {
    rows = HistoryRecord::read(ctx_.dir);
  } catch (const DataError& e) {
    Lab_msg.caption = std::string(e.what()) + kCrLf + "勢力推移を表示できません。";
    return;
  }
  if (rows.empty()) {
    Lab_msg.caption = "勢力推移の記録がまだありません。";
    return;
  }
  Lab_msg.visible = false;
  Lab_msg.caption.clear();
  firstYear_ = rows.front().year;
  lastYear_ = rows.back().year;
  std::map<int, std::array<Series, kFigures>> byFaction;  // in faction order
  for (const HistoryRecord::Row& row : rows) {
    auto& lines = byFaction[row.faction];
    for (int f = 0; f < kFigures; ++f) {
      Series& line = lines[static_cast<std::size_t>(f)];
      line.faction = row.faction;
      line.name = row.name;
      line.player = line.player || row.player;
      line.points.push_back({row.year, valueOf(row, f)});
    }
  }
  for (auto& entry : byFaction) {
    for (std::size_t f = 0; f < series_.size(); ++f) series_[f].push_back(std::move(entry.second[f]));
  }
}

void HistoryCharts::Tab_Click(int index) {
  if (index < 0 || index >= kFigures) return;
  figure_ = index;
  Lab_axis.caption = kAxes[static_cast<std::size_t>(figure_)];
}

void HistoryCharts::cmdClose_Click() { unload(); }

std::string HistoryCharts::legendName(const Series& s) { return s.player ? s.name + "（プレイヤー）" : s.name; }

}  // namespace velkaro
