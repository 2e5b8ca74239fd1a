// The explanation of a strategy line in the browser: heading, text, and 戻る / 決定 / the
// officer's data. The keyboard starts on 決定 where confirming is possible.
#include "screens/StrategyExplanation.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class StrategyExplanationWebView : public WebView {
 public:
  StrategyExplanationWebView(StrategyExplanation& screen, WebUi& ui) : WebView(screen, ui), strate_(screen) {}

  void write(Json& out) const override {
    put(out, "Label1", strate_.Label1);
    put(out, "Lab_txt", strate_.Lab_txt);
    put(out, "Command1", strate_.Command1);
    out.key("focus").text(pressable(strate_.Command1[1]) ? "Command1.1" : "Command1.0");
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Command1", "click", &k) && k < 3 && pressable(strate_.Command1[static_cast<std::size_t>(k)])) {
      strate_.Command1_Click(k);
    }
  }

  bool escape() override {
    if (pressable(strate_.Command1[0])) strate_.Command1_Click(0);
    return true;
  }

 private:
  StrategyExplanation& strate_;
};

}  // namespace

std::unique_ptr<WebView> makeStrategyExplanationView(Screen& screen, WebUi& ui) {
  return std::make_unique<StrategyExplanationWebView>(static_cast<StrategyExplanation&>(screen), ui);
}

}  // namespace velkaro::web
