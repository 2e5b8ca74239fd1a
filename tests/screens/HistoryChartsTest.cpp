#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "data/FactionTable.h"
#include "data/StateFiles.h"
#include "screens/HistoryCharts.h"
#include "support/GameUi.h"
#include "support/SyntheticData.h"
#include "tools/sim/Simulation.h"

using namespace velkaro;
using velkaro::test::SyntheticData;
using velkaro::test::TempGameDir;

namespace {

const HistoryCharts::Series* seriesOf(const std::vector<HistoryCharts::Series>& all, int faction) {
  for (const auto& s : all) {
    if (s.faction == faction) return &s;
  }
  return nullptr;
}

}  // namespace

TEST(HistoryCharts, TheLinesOfASeededGameEndWhereTheFactionsFellAndCarryTheFinalFigures) {
  TempGameDir data;
  SyntheticData::install(data);
  TempGameDir game;
  sim::Options o;
  o.dir = (game.root() / "play").string();
  o.scenario = 2;
  o.seed = 5;
  o.players = {2};
  o.shippedIni = (data.root() / "ini").string();
  const sim::Summary summary = sim::Simulation(o).run();
  ASSERT_TRUE(summary.ended);
  ASSERT_FALSE(summary.destroyed.empty()) << "the seed is chosen for a game where factions fall";

  GameContext ctx{GamePaths(game.root() / "play")};
  ctx.FACTION_MAX = 12;
  test::GameUi ui;
  HistoryCharts charts(ctx, ui);
  charts.Form_Load();
  EXPECT_EQ(charts.caption, "勢力推移");
  EXPECT_FALSE(charts.Lab_msg.visible);
  EXPECT_EQ(charts.firstYear(), summary.firstYear);
  EXPECT_EQ(charts.lastYear(), summary.lastYear + 1) << "the final report's year is recorded too";

  std::map<int, int> fell;
  for (const auto& [id, year] : summary.destroyed) fell[id] = year;
  FactionTable final;
  StateFiles(ctx.dir).loadFactions(final, 12);
  for (int figure = 0; figure < HistoryCharts::kFigures; ++figure) {
    ASSERT_EQ(charts.series(figure).size(), 12u) << "every faction stood in the first year";
    for (const sim::FactionResult& f : summary.factions) {
      const HistoryCharts::Series* s = seriesOf(charts.series(figure), f.id);
      ASSERT_NE(s, nullptr) << f.id;
      EXPECT_EQ(s->name, f.name);
      EXPECT_EQ(s->player, f.id == 2) << f.id;
      ASSERT_FALSE(s->points.empty());
      for (std::size_t i = 0; i < s->points.size(); ++i) EXPECT_EQ(s->points[i].year, charts.firstYear() + static_cast<int>(i));
      const HistoryCharts::Point last = s->points.back();
      if (fell.count(f.id) != 0) {
        EXPECT_EQ(last.year, fell[f.id]) << f.name << " fell in that year's pass";
        continue;
      }
      EXPECT_EQ(last.year, charts.lastYear()) << f.name;
      const gun& g = final[f.id];
      const double expected = figure == HistoryCharts::kTroops ? g.army + g.seihei
                              : figure == HistoryCharts::kFame ? g.meisei
                                                               : f.score;
      EXPECT_NEAR(last.value, expected, 0.0005) << f.name << " figure " << figure;
    }
  }
  EXPECT_EQ(HistoryCharts::legendName(*seriesOf(charts.series(), 2)), summary.factions[1].name + "（プレイヤー）");
  EXPECT_EQ(HistoryCharts::legendName(*seriesOf(charts.series(), 1)), summary.factions[0].name);

  // The tabs switch the shown figure and its axis.
  EXPECT_EQ(charts.Lab_axis.caption, "兵力（千）");
  charts.Tab_Click(HistoryCharts::kScore);
  EXPECT_EQ(charts.figure(), HistoryCharts::kScore);
  EXPECT_EQ(&charts.series(), &charts.series(HistoryCharts::kScore));
  EXPECT_EQ(charts.Lab_axis.caption, "得点");
  charts.Tab_Click(7);
  EXPECT_EQ(charts.figure(), HistoryCharts::kScore);
  charts.cmdClose_Click();
  EXPECT_TRUE(charts.closed);
}

TEST(HistoryCharts, AMissingOrBrokenRecordIsSaidInsteadOfDrawn) {
  TempGameDir game;
  GameContext ctx{game.dir()};
  test::GameUi ui;
  {
    HistoryCharts charts(ctx, ui);
    charts.Form_Load();
    EXPECT_TRUE(charts.Lab_msg.visible);
    EXPECT_EQ(charts.Lab_msg.caption, "勢力推移の記録がまだありません。");
    EXPECT_TRUE(charts.series().empty());
  }
  game.writeText("ini/suiisv.ini", "勢力推移\n189,1,\"曹操\",1,2,3,0\n189,2,\"劉備\",1,2\n");
  HistoryCharts charts(ctx, ui);
  charts.Form_Load();
  EXPECT_TRUE(charts.Lab_msg.visible);
  EXPECT_NE(charts.Lab_msg.caption.find("ファイル「\\ini\\suiisv.ini」の内容が正しくありません（3行目"), std::string::npos)
      << charts.Lab_msg.caption;
  EXPECT_NE(charts.Lab_msg.caption.find("勢力推移を表示できません。"), std::string::npos);
  for (int figure = 0; figure < HistoryCharts::kFigures; ++figure) EXPECT_TRUE(charts.series(figure).empty());
  EXPECT_EQ(charts.firstYear(), 0);
}
