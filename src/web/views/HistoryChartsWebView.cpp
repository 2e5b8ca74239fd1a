// 勢力推移 in the browser: the three figures as tabs, the shown figure's series for the page to
// draw as lines (a player's faction bold), the axis title, and 閉.
#include "screens/HistoryCharts.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class HistoryChartsWebView : public WebView {
 public:
  HistoryChartsWebView(HistoryCharts& screen, WebUi& ui) : WebView(screen, ui), charts_(screen) {}

  void write(Json& out) const override {
    put(out, "Tab", charts_.Tab);
    put(out, "Lab_axis", charts_.Lab_axis);
    put(out, "Lab_msg", charts_.Lab_msg);
    put(out, "cmdClose", charts_.cmdClose);
    out.key("figure").number(static_cast<long long>(charts_.figure()));
    out.key("yearTitle").text("年");
    out.key("firstYear").number(static_cast<long long>(charts_.firstYear()));
    out.key("lastYear").number(static_cast<long long>(charts_.lastYear()));
    out.key("series").list();
    if (!charts_.Lab_msg.visible) {
      for (const HistoryCharts::Series& s : charts_.series()) {
        out.open();
        out.key("name").text(HistoryCharts::legendName(s));
        out.key("player").flag(s.player);
        out.key("points").list();
        for (const HistoryCharts::Point& p : s.points) out.list().number(static_cast<long long>(p.year)).number(p.value).end();
        out.end();
        out.close();
      }
    }
    out.end();
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Tab", "click", &k) && k < HistoryCharts::kFigures && !charts_.Lab_msg.visible) charts_.Tab_Click(k);
    if (on(e, "cmdClose", "click") && pressable(charts_.cmdClose)) charts_.cmdClose_Click();
  }

  bool escape() override {
    if (pressable(charts_.cmdClose)) charts_.cmdClose_Click();
    return true;
  }

 private:
  HistoryCharts& charts_;
};

}  // namespace

std::unique_ptr<WebView> makeHistoryChartsView(Screen& screen, WebUi& ui) {
  return std::make_unique<HistoryChartsWebView>(static_cast<HistoryCharts&>(screen), ui);
}

}  // namespace velkaro::web
