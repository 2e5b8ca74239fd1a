// All factions in the browser: one row per surviving faction under the headings, and
// 武将リスト / 戻る.
#include "screens/AllFactions.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class AllFactionsWebView : public WebView {
 public:
  AllFactionsWebView(AllFactions& screen, WebUi& ui) : WebView(screen, ui), all_(screen) {}

  void write(Json& out) const override {
    put(out, "Lab_Cate", all_.Lab_Cate);
    put(out, "Lab_name", all_.Lab_name);
    put(out, "Lab_abl", all_.Lab_abl);
    put(out, "Command1", all_.Command1);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Command1", "click", &k) && k < 2 && pressable(all_.Command1[static_cast<std::size_t>(k)])) {
      all_.Command1_Click(k);
    }
  }

  bool escape() override {
    if (pressable(all_.Command1[0])) all_.Command1_Click(0);
    return true;
  }

 private:
  AllFactions& all_;
};

}  // namespace

std::unique_ptr<WebView> makeAllFactionsView(Screen& screen, WebUi& ui) {
  return std::make_unique<AllFactionsWebView>(static_cast<AllFactions&>(screen), ui);
}

}  // namespace velkaro::web
