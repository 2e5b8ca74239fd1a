// The officer editor in the browser: the post, the ability boxes, OK / Default / Cancel; Enter
// in a box is OK.
#include "editors/OfficerEditor.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

class OfficerEditorWebView : public WebView {
 public:
  OfficerEditorWebView(OfficerEditor& screen, WebUi& ui) : WebView(screen, ui), editor_(screen) {}

  void write(Json& out) const override {
    put(out, "Name_lab", editor_.Name_lab);
    put(out, "cmbJob", editor_.cmbJob);
    put(out, "Skl_Kind", editor_.Skl_Kind);
    put(out, "Skl_Lab", editor_.Skl_Lab);
    put(out, "Fix_Kind", editor_.Fix_Kind);
    put(out, "Fix_Lab", editor_.Fix_Lab);
    put(out, "Hlp", editor_.Hlp);
    put(out, "cmdEdit", editor_.cmdEdit);
    put(out, "cmdInit", editor_.cmdInit);
    put(out, "Command1", editor_.Command1);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "cmbJob", "click") && row(e, editor_.cmbJob)) {
      editor_.cmbJob.listIndex = e.index;
      editor_.cmbJob_Click();
    }
    if (on(e, "Skl_Lab", "text", &k) && k < OfficerEditor::kJobBoxes) editor_.Skl_Lab[static_cast<std::size_t>(k)].text = e.value;
    if (on(e, "Fix_Lab", "text", &k) && k < 2) editor_.Fix_Lab[static_cast<std::size_t>(k)].text = e.value;
    if ((on(e, "Skl_Lab", "enter") || on(e, "Fix_Lab", "enter")) && pressable(editor_.cmdEdit)) editor_.cmdEdit_Click();
    if (on(e, "Back", "hover") && !editor_.Hlp.caption.empty()) editor_.Back_MouseMove();
    if (on(e, "cmdEdit", "click") && pressable(editor_.cmdEdit)) editor_.cmdEdit_Click();
    if (on(e, "cmdInit", "click") && pressable(editor_.cmdInit)) editor_.cmdInit_Click();
    if (on(e, "Command1", "click") && pressable(editor_.Command1)) editor_.Command1_Click();
  }

  bool escape() override {
    if (pressable(editor_.Command1)) editor_.Command1_Click();
    return true;
  }

 private:
  OfficerEditor& editor_;
};

}  // namespace

std::unique_ptr<WebView> makeOfficerEditorView(Screen& screen, WebUi& ui) {
  return std::make_unique<OfficerEditorWebView>(static_cast<OfficerEditor&>(screen), ui);
}

}  // namespace velkaro::web
