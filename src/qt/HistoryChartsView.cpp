#include "qt/HistoryChartsView.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace velkaro::qt {
namespace {

// Twenty hues far enough apart that neighbouring factions are told apart at a glance.
QColor lineColour(int index) {
  static const std::array<const char*, 20> colours = {
      "#1f77b4", "#d62728", "#2ca02c", "#ff7f0e", "#9467bd", "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf",
      "#393b79", "#ad494a", "#637939", "#e7969c", "#843c39", "#5254a3", "#8ca252", "#bd9e39", "#7b4173", "#3182bd"};
  return QColor(colours[static_cast<std::size_t>(index) % colours.size()]);
}

// A step between year ticks that keeps about ten of them, in whole years.
int yearStep(int span) { return std::max(1, static_cast<int>(std::ceil(span / 10.0))); }

}  // namespace

HistoryChartsView::HistoryChartsView(HistoryCharts& screen, QtUi& ui) : ScreenView(screen, ui), charts_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  tabs_ = new QTabBar(this);
  tabs_->setExpanding(false);
  for (const Button& tab : charts_.Tab) tabs_->addTab(text(tab.caption));
  connect(tabs_, &QTabBar::tabBarClicked, this, [this](int index) {
    if (index >= 0) act([this, index] { charts_.Tab_Click(index); });
  });
  // The arrow keys (and the wheel) on the tab bar move the current tab without a click.
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0 && index != charts_.figure()) act([this, index] { charts_.Tab_Click(index); });
  });
  layout->addWidget(tabs_);
  chart_ = new QChart();
  chart_->legend()->setAlignment(Qt::AlignRight);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  view_ = new QChartView(chart_, this);
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(480, 320);
  layout->addWidget(view_, 1);
  message_ = new QLabel(this);
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignCenter);
  layout->addWidget(message_, 1);
  auto* row = new QHBoxLayout();
  row->addStretch();
  close_ = addButton(row, [this] { charts_.cmdClose_Click(); });
  layout->addLayout(row);
}

void HistoryChartsView::refresh() {
  for (std::size_t i = 0; i < charts_.Tab.size(); ++i) tabs_->setTabText(static_cast<int>(i), text(charts_.Tab[i].caption));
  show(close_, charts_.cmdClose);
  show(message_, charts_.Lab_msg);
  const bool drawn = !charts_.Lab_msg.visible;
  view_->setVisible(drawn);
  tabs_->setEnabled(drawn);
  {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(charts_.figure());
  }
  if (drawn && drawnFigure_ != charts_.figure()) drawSeries();
}

// The year axis below, the figure's axis on the left; the old ones go.
std::pair<QValueAxis*, QValueAxis*> HistoryChartsView::freshAxes() {
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);  // the chart lets go of a removed axis
    delete axis;
  }
  auto* years = new QValueAxis();
  auto* values = new QValueAxis();
  years->setLabelFormat("%d");
  const int first = charts_.firstYear();
  const int last = std::max(charts_.lastYear(), first + 1);  // a single year still gets a width
  years->setRange(first, last);
  years->setTickType(QValueAxis::TicksDynamic);
  years->setTickAnchor(first);
  years->setTickInterval(yearStep(last - first));
  years->setTitleText(QStringLiteral("年"));
  values->setTitleText(text(charts_.Lab_axis.caption));
  values->setLabelFormat("%.0f");  // troops and fame are whole; a score's decimals do not show at this scale
  chart_->addAxis(years, Qt::AlignBottom);
  chart_->addAxis(values, Qt::AlignLeft);
  return {years, values};
}

void HistoryChartsView::drawSeries() {
  drawnFigure_ = charts_.figure();
  chart_->removeAllSeries();
  const auto [years, values] = freshAxes();
  double top = 0;
  double bottom = 0;
  int index = 0;
  for (const HistoryCharts::Series& s : charts_.series()) {
    auto* line = new QLineSeries();
    line->setName(text(HistoryCharts::legendName(s)));
    for (const HistoryCharts::Point& p : s.points) {
      line->append(p.year, p.value);
      top = std::max(top, p.value);
      bottom = std::min(bottom, p.value);
    }
    QPen pen(lineColour(index++));
    pen.setWidthF(s.player ? 4.5 : 1.8);
    line->setPen(pen);
    // A line of one year is a point only; it is marked so it can be seen.
    line->setPointsVisible(s.points.size() == 1);
    chart_->addSeries(line);
    line->attachAxis(years);
    line->attachAxis(values);
    if (s.player) {
      QFont bold = chart_->legend()->font();
      bold.setBold(true);
      for (QLegendMarker* marker : chart_->legend()->markers(line)) marker->setFont(bold);
    }
  }
  values->setRange(bottom, top > bottom ? top * 1.05 : bottom + 1);
  values->applyNiceNumbers();
}

}  // namespace velkaro::qt
