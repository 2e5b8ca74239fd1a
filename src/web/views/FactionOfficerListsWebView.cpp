// Every faction's officers in the browser: thirteen named lists (a fallen faction's name on
// grey), and 戻る. Choosing an officer shows his status.
#include "screens/FactionOfficerLists.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class FactionOfficerListsWebView : public WebView {
 public:
  FactionOfficerListsWebView(FactionOfficerLists& screen, WebUi& ui) : WebView(screen, ui), lists_(screen) {}

  void write(Json& out) const override {
    put(out, "Lab_name", lists_.Lab_name);
    out.key("nameBg").list();
    for (std::uint32_t c : lists_.Lab_nameBackColour) {
      if (c == kWindowColour) {
        out.null();
      } else {
        out.colour(c);
      }
    }
    out.end();
    put(out, "Chr_lst", lists_.Chr_lst);
    put(out, "Command1", lists_.Command1);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Chr_lst", "click", &k) && k < FactionOfficerLists::kPanels &&
        row(e, lists_.Chr_lst[static_cast<std::size_t>(k)])) {
      lists_.Chr_lst[static_cast<std::size_t>(k)].listIndex = e.index;
      lists_.Chr_lst_Click(k);
    }
    if (on(e, "Command1", "click") && pressable(lists_.Command1)) lists_.Command1_Click();
  }

  bool escape() override {
    if (pressable(lists_.Command1)) lists_.Command1_Click();
    return true;
  }

 private:
  FactionOfficerLists& lists_;
};

}  // namespace

std::unique_ptr<WebView> makeFactionOfficerListsView(Screen& screen, WebUi& ui) {
  return std::make_unique<FactionOfficerListsWebView>(static_cast<FactionOfficerLists&>(screen), ui);
}

}  // namespace velkaro::web
