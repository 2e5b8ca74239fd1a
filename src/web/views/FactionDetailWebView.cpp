// A faction's detail in the browser: its name, figures, the note, the five officer lists and
// 武将一覧 / 戻る. Choosing an officer shows his status.
#include "screens/FactionDetail.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class FactionDetailWebView : public WebView {
 public:
  FactionDetailWebView(FactionDetail& screen, WebUi& ui) : WebView(screen, ui), gdata_(screen) {}

  void write(Json& out) const override {
    out.key("name").text(gdata_.faction().name);
    put(out, "Label1", gdata_.Label1);
    put(out, "Label2", gdata_.Label2);
    put(out, "Txt_lab", gdata_.Txt_lab);
    put(out, "Frame1", gdata_.Frame1);
    put(out, "Chr_lst", gdata_.Chr_lst);
    put(out, "Command1", gdata_.Command1);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Chr_lst", "click", &k) && k < FactionDetail::kLists && row(e, gdata_.Chr_lst[static_cast<std::size_t>(k)])) {
      gdata_.Chr_lst[static_cast<std::size_t>(k)].listIndex = e.index;
      gdata_.Chr_lst_Click(k);
    }
    if (on(e, "Command1", "click", &k) && k < 2 && pressable(gdata_.Command1[static_cast<std::size_t>(k)])) {
      gdata_.Command1_Click(k);
    }
  }

  bool escape() override {
    if (pressable(gdata_.Command1[0])) gdata_.Command1_Click(0);
    return true;
  }

 private:
  FactionDetail& gdata_;
};

}  // namespace

std::unique_ptr<WebView> makeFactionDetailView(Screen& screen, WebUi& ui) {
  return std::make_unique<FactionDetailWebView>(static_cast<FactionDetail&>(screen), ui);
}

}  // namespace velkaro::web
