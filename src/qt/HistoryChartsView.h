#pragma once
// The history charts' window: one tab per figure (兵力, 名声, 得点) over a line chart with one
// line per faction, the players' lines drawn thicker; or the reason there is nothing to draw.
#include <array>
#include <utility>

#include "screens/HistoryCharts.h"
#include "qt/ScreenView.h"

class QChart;
class QChartView;
class QTabBar;
class QValueAxis;

namespace velkaro::qt {

class HistoryChartsView : public ScreenView {
  Q_OBJECT
 public:
  HistoryChartsView(HistoryCharts& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1100, 700}; }
  QPushButton* escapeButton() const override { return close_; }

  QChart* chart() const { return chart_; }

 private:
  // Rebuilds the chart's lines and axes from the shown figure's series.
  void drawSeries();
  std::pair<QValueAxis*, QValueAxis*> freshAxes();

  HistoryCharts& charts_;
  QTabBar* tabs_;
  QChartView* view_;
  QChart* chart_;
  QLabel* message_;
  QPushButton* close_;
  int drawnFigure_ = -1;
};

}  // namespace velkaro::qt
