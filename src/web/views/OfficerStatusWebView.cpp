// An officer's status in the browser: name, post, abilities, the comment (chosen, it opens the
// comment editor), Edit and Return.
#include "screens/OfficerStatus.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class OfficerStatusWebView : public WebView {
 public:
  OfficerStatusWebView(OfficerStatus& screen, WebUi& ui) : WebView(screen, ui), status_(screen) {}

  void write(Json& out) const override {
    put(out, "Name_lab", status_.Name_lab);
    put(out, "Label1", status_.Label1);
    put(out, "Skl_Kind", status_.Skl_Kind);
    put(out, "Skl_Lab", status_.Skl_Lab);
    put(out, "Lab_cmt", status_.Lab_cmt);
    put(out, "Hlp", status_.Hlp);
    put(out, "cmdEdit", status_.cmdEdit);
    put(out, "Command1", status_.Command1);
  }

  void handle(const PageEvent& e) override {
    if (on(e, "Lab_cmt", "hover")) status_.Lab_cmt_MouseMove();
    if (on(e, "Back", "hover") && !status_.Hlp.caption.empty()) status_.Back_MouseMove();
    if (on(e, "Lab_cmt", "click") && status_.Lab_cmt.visible && status_.Lab_cmt.enabled) status_.Lab_cmt_Click();
    if (on(e, "cmdEdit", "click") && pressable(status_.cmdEdit)) status_.cmdEdit_Click();
    if (on(e, "Command1", "click") && pressable(status_.Command1)) status_.Command1_Click();
  }

  bool escape() override {
    if (pressable(status_.Command1)) status_.Command1_Click();
    return true;
  }

 private:
  OfficerStatus& status_;
};

}  // namespace

std::unique_ptr<WebView> makeOfficerStatusView(Screen& screen, WebUi& ui) {
  return std::make_unique<OfficerStatusWebView>(static_cast<OfficerStatus&>(screen), ui);
}

}  // namespace velkaro::web
