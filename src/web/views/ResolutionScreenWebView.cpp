// The narration in the browser: the page of text, the warning line and the four paging
// buttons; Enter reads on and closes on the last page, the paging keys turn pages.
#include "resolution/ResolutionScreen.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class ResolutionScreenWebView : public WebView {
 public:
  ResolutionScreenWebView(ResolutionScreen& screen, WebUi& ui) : WebView(screen, ui), msg_(screen) {}

  void write(Json& out) const override {
    put(out, "Label1", msg_.Label1);
    put(out, "Lbl_Caution", msg_.Lbl_Caution);
    put(out, "Command1", msg_.Command1);
    out.key("page").number(static_cast<long long>(msg_.currentPage()));
    out.key("pages").number(static_cast<long long>(msg_.pageCount()));
    // The credits stand low on their page: the page rolls up until they are in sight.
    out.key("credits").flag(msg_.context().runMode == 0);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Command1", "click", &k) && k < 4) press(k);
    if (e.kind != "key") return;
    if (e.value == "Enter") press(msg_.Command1[2].enabled ? 2 : 0);
    if (e.value == "PageUp") press(1);
    if (e.value == "PageDown") press(2);
    if (e.value == "End") press(3);
    if (e.value == "Home") {
      // There is no first-page button: go back until there is no page before.
      for (int guard = 0; guard < 10000 && msg_.Command1[1].enabled && !msg_.closed; ++guard) press(1);
    }
  }

  bool escape() override {
    press(0);
    return true;
  }

 private:
  void press(int index) {
    if (pressable(msg_.Command1[static_cast<std::size_t>(index)])) msg_.Command1_Click(index);
  }

  ResolutionScreen& msg_;
};

}  // namespace

std::unique_ptr<WebView> makeResolutionScreenView(Screen& screen, WebUi& ui) {
  return std::make_unique<ResolutionScreenWebView>(static_cast<ResolutionScreen&>(screen), ui);
}

}  // namespace velkaro::web
