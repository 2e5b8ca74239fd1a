// The save and load screen in the browser: the typed number, the digit pad, 取消 / 決定 / 戻る;
// the digit keys type, Backspace clears, Enter decides.
#include <string>

#include "persistence/SaveLoadScreen.h"
#include "web/WebUi.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class SaveLoadScreenWebView : public WebView {
 public:
  SaveLoadScreenWebView(SaveLoadScreen& screen, WebUi& ui) : WebView(screen, ui), svld_(screen) {}

  void write(Json& out) const override {
    put(out, "Lab_num", svld_.Lab_num);
    put(out, "Hlp", svld_.Hlp);
    put(out, "Command1", svld_.Command1);
    put(out, "Command2", svld_.Command2);
    put(out, "Command3", svld_.Command3);
    out.key("focus").text("Lab_num");
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Command1", "click", &k) && k < 10 && pressable(svld_.Command1[static_cast<std::size_t>(k)])) {
      svld_.Command1_Click(k);
    }
    if (on(e, "Command2", "click", &k) && k < 2 && pressable(svld_.Command2[static_cast<std::size_t>(k)])) {
      if (k == 1) {
        decide();
      } else {
        svld_.Command2_Click(0);
      }
    }
    if (on(e, "Command3", "click") && pressable(svld_.Command3)) svld_.Command3_Click();
    if (e.kind != "key") return;
    if (e.value.size() == 1 && e.value[0] >= '0' && e.value[0] <= '9') svld_.Command1_Click(e.value[0] - '0');
    if (e.value == "Backspace" || e.value == "Delete") svld_.Command2_Click(0);
    if (e.value == "Enter") decide();
  }

  bool escape() override {
    if (pressable(svld_.Command3)) svld_.Command3_Click();
    return true;
  }

 private:
  void decide() {
    const bool saving = svld_.context().newOrLoaded == SaveLoadScreen::kSaveMode;
    const std::string number = svld_.typedNumber();
    svld_.Command2_Click(1);
    // The save is told in the status line: a box to answer would add a step.
    if (saving && svld_.closed && svld_.context().confirmResult == 1) {
      ui_.showStatus("スロット" + number + "にセーブしました。");
    }
  }

  SaveLoadScreen& svld_;
};

}  // namespace

std::unique_ptr<WebView> makeSaveLoadScreenView(Screen& screen, WebUi& ui) {
  return std::make_unique<SaveLoadScreenWebView>(static_cast<SaveLoadScreen&>(screen), ui);
}

}  // namespace velkaro::web
