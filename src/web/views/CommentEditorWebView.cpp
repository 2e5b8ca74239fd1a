// The comment editor in the browser: the officer's name, the comment, 決定 / 戻る; Ctrl+Enter
// stores.
#include "editors/CommentEditor.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

// The page breaks lines with LF; the game's files and labels with CR LF.
std::string withCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out += '\r';
    out += text[i];
  }
  return out;
}

class CommentEditorWebView : public WebView {
 public:
  CommentEditorWebView(CommentEditor& screen, WebUi& ui) : WebView(screen, ui), editor_(screen) {}

  void write(Json& out) const override {
    put(out, "Name_lab", editor_.Name_lab);
    put(out, "Txt_cmt", editor_.Txt_cmt);
    put(out, "Command1", editor_.Command1);
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Txt_cmt", "text")) editor_.Txt_cmt.text = withCrLf(e.value);
    if (on(e, "Txt_cmt", "store") && pressable(editor_.Command1[1])) editor_.Command1_Click(1);
    if (on(e, "Command1", "click", &k) && k < 2 && pressable(editor_.Command1[static_cast<std::size_t>(k)])) {
      editor_.Command1_Click(k);
    }
  }

  bool escape() override {
    if (pressable(editor_.Command1[0])) editor_.Command1_Click(0);
    return true;
  }

 private:
  CommentEditor& editor_;
};

}  // namespace

std::unique_ptr<WebView> makeCommentEditorView(Screen& screen, WebUi& ui) {
  return std::make_unique<CommentEditorWebView>(static_cast<CommentEditor&>(screen), ui);
}

}  // namespace velkaro::web
