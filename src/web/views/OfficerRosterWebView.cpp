// The officer table in the browser: one row per officer under the headings, and 戻る.
#include "screens/OfficerRoster.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class OfficerRosterWebView : public WebView {
 public:
  OfficerRosterWebView(OfficerRoster& screen, WebUi& ui) : WebView(screen, ui), table_(screen) {}

  void write(Json& out) const override {
    put(out, "Lab_Cate", table_.Lab_Cate);
    put(out, "Lab_name", table_.Lab_name);
    put(out, "Lab_id", table_.Lab_id);
    put(out, "Lab_abl", table_.Lab_abl);
    put(out, "Hlp", table_.Hlp);
    put(out, "Command1", table_.Command1);
  }

  void handle(const PageEvent& e) override {
    if (on(e, "Command1", "click") && pressable(table_.Command1)) table_.Command1_Click();
  }

  bool escape() override {
    if (pressable(table_.Command1)) table_.Command1_Click();
    return true;
  }

 private:
  OfficerRoster& table_;
};

}  // namespace

std::unique_ptr<WebView> makeOfficerRosterView(Screen& screen, WebUi& ui) {
  return std::make_unique<OfficerRosterWebView>(static_cast<OfficerRoster&>(screen), ui);
}

}  // namespace velkaro::web
