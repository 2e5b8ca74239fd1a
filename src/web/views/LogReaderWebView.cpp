// The log reader in the browser: the page of the log and 閉 / 前ページ / 次ページ / 最終ページ,
// with the paging keys.
#include "persistence/LogReader.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class LogReaderWebView : public WebView {
 public:
  LogReaderWebView(LogReader& screen, WebUi& ui) : WebView(screen, ui), reader_(screen) {}

  void write(Json& out) const override {
    put(out, "dspMsg", reader_.dspMsg);
    put(out, "Lbl_Caution", reader_.Lbl_Caution);
    put(out, "Command1", reader_.Command1);
    out.key("page").number(static_cast<long long>(reader_.currentPage()));
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Command1", "click", &k) && k < 4) press(k);
    if (e.kind != "key") return;
    if (e.value == "PageUp") press(1);
    if (e.value == "PageDown") press(2);
    if (e.value == "End") press(3);
    if (e.value == "Home") {
      for (int guard = 0; guard < 10000 && reader_.Command1[1].enabled && !reader_.closed; ++guard) press(1);
    }
  }

  bool escape() override {
    press(0);
    return true;
  }

 private:
  void press(int index) {
    if (pressable(reader_.Command1[static_cast<std::size_t>(index)])) reader_.Command1_Click(index);
  }

  LogReader& reader_;
};

}  // namespace

std::unique_ptr<WebView> makeLogReaderView(Screen& screen, WebUi& ui) {
  return std::make_unique<LogReaderWebView>(static_cast<LogReader&>(screen), ui);
}

}  // namespace velkaro::web
