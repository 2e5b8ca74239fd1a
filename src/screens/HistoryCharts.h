#pragma once
// The history charts (勢力推移): every faction's troops, fame and score year by year, from the
// record the game keeps ("\ini\suiisv.ini"), as line series a front end draws. A destroyed
// faction's line ends with the last year it stood; the players' factions are marked.
#include <array>
#include <string>
#include <vector>

#include "ui/Screen.h"

namespace velkaro {

class HistoryCharts : public Screen {
 public:
  enum Figure { kTroops, kFame, kScore };
  static constexpr int kFigures = 3;

  struct Point {
    int year = 0;
    double value = 0;
  };
  struct Series {
    int faction = 0;
    std::string name;    // the faction's latest name in the record
    bool player = false; // a human player led it in some recorded year
    std::vector<Point> points;
  };

  HistoryCharts(GameContext& context, Ui& ui);
  std::string screenName() const override { return "HistoryCharts"; }

  // Controls.
  std::array<Button, kFigures> Tab;  // 兵力, 名声, 得点
  Label Lab_axis;                    // the value axis of the shown figure
  Label Lab_msg;                     // why there is nothing to draw; hidden when there is
  Button cmdClose;                   // 閉

  // Events.
  void Form_Load() override;
  void Tab_Click(int index);
  void cmdClose_Click();

  // Workers.
  void ld_Suii_rtn();

  // The shown figure and its series, one per faction in faction order.
  int figure() const { return figure_; }
  const std::vector<Series>& series() const { return series_[static_cast<std::size_t>(figure_)]; }
  const std::vector<Series>& series(int figure) const { return series_[static_cast<std::size_t>(figure)]; }
  // The first and last recorded year (0 when the record is empty).
  int firstYear() const { return firstYear_; }
  int lastYear() const { return lastYear_; }
  // The legend's text for a series: the name, marked for a player's faction.
  static std::string legendName(const Series& s);

 private:
  int figure_ = kTroops;
  std::array<std::vector<Series>, kFigures> series_;
  int firstYear_ = 0;
  int lastYear_ = 0;
};

}  // namespace velkaro
