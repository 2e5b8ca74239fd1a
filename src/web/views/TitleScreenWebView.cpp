// The title screen in the browser: the splash over the scenario list, the rulers of the chosen
// scenario (several may be chosen, one per player), and the four commands.
#include "setup/TitleScreen.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class TitleScreenWebView : public WebView {
 public:
  TitleScreenWebView(TitleScreen& screen, WebUi& ui) : WebView(screen, ui), form_(screen) {}

  void write(Json& out) const override {
    put(out, "Picture1", form_.Picture1);
    put(out, "Label1", form_.Label1);
    put(out, "List1", form_.List1);
    put(out, "Label2", form_.Label2);
    put(out, "Lab_txt", form_.Lab_txt);
    put(out, "Hlp", form_.Hlp);
    put(out, "Command2", form_.Command2);
    put(out, "Command1", form_.Command1);
    put(out, "cmdInit", form_.cmdInit);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Picture1", "click")) form_.Picture1_Click();
    if (on(e, "Label1", "click")) form_.Label1_Click();
    if (on(e, "Back", "hover")) form_.Back_MouseMove();
    if (on(e, "List1", "hover", &k) && k < 2) form_.List1_MouseMove(k);
    // The scenario is chosen as the arrows move over it, or by a click.
    if ((on(e, "List1.0", "click") || on(e, "List1.0", "move")) && form_.List1[0].valid(e.index)) {
      form_.List1[0].listIndex = e.index;
      form_.List1_Click(0);
    }
    // A ruler is chosen or let go by a click (or Space / Enter), and his faction's detail shows.
    if (on(e, "List1.1", "click") && form_.List1[1].valid(e.index)) {
      ListBox& rulers = form_.List1[1];
      rulers.setSelected(e.index, !rulers.selected(e.index));
      rulers.listIndex = e.index;
      form_.List1_Click(1);
    }
    if (on(e, "Command2", "click") && pressable(form_.Command2)) form_.Command2_Click();
    if (on(e, "Command1", "click", &k) && k < 2 && pressable(form_.Command1[static_cast<std::size_t>(k)])) {
      form_.Command1_Click(k);
    }
    if (on(e, "cmdInit", "click") && pressable(form_.cmdInit)) form_.cmdInit_Click();
  }

  // Esc would end the game here: it only moves the splash along.
  bool escape() override {
    if (form_.Picture1.visible) form_.Picture1_Click();
    return true;
  }
  bool escapeCloses() const override { return false; }

 private:
  TitleScreen& form_;
};

}  // namespace

std::unique_ptr<WebView> makeTitleScreenView(Screen& screen, WebUi& ui) {
  return std::make_unique<TitleScreenWebView>(static_cast<TitleScreen&>(screen), ui);
}

}  // namespace velkaro::web
