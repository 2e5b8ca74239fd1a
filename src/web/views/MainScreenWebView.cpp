// The main screen in the browser: the menus as a row of commands, the year line, the four
// faction panels with their strategy menus, the players and Auto.
#include <array>

#include "turn/MainScreen.h"
#include "web/views/ViewsOf.h"

namespace velkaro::web {
namespace {

struct MenuItem {
  const char* control;
  const char* caption;
  const char* group;
  void (MainScreen::*handler)();
};

// The menus of the Qt game, flattened into commands grouped as the menus are.
constexpr std::array<MenuItem, 8> kMenu{{
    {"save", "セーブ", "ファイル", &MainScreen::cmdSave_Click},
    {"load", "ロード", "ファイル", &MainScreen::cmdLoad_Click},
    {"newGame", "最初から", "ファイル", &MainScreen::newGame_Click},
    {"exit", "終了", "ファイル", &MainScreen::exitGame_Click},
    {"itiran", "軍閥一覧", "情報", &MainScreen::cmdItiran_Click},
    {"suii", "勢力推移", "情報", &MainScreen::cmdSuii_Click},
    {"log", "ログを見る", "ツール", &MainScreen::mnLog_Click},
    {"version", "バージョン情報", "ツール", &MainScreen::cmdVer_Click},
}};

class MainScreenWebView : public WebView {
 public:
  MainScreenWebView(MainScreen& screen, WebUi& ui) : WebView(screen, ui), main_(screen) {}

  void write(Json& out) const override {
    out.key("menu").list();
    for (const MenuItem& m : kMenu) out.open().key("id").text(m.control).key("t").text(m.caption).key("group").text(m.group).close();
    out.end();
    out.key("Frame1").list();
    for (const Label& heading : main_.Frame1) {
      Label shown = heading;
      if (shown.caption.empty()) shown.caption = "（空き）";
      put(out, {}, shown);
    }
    out.end();
    out.key("menuHeading").text("戦略");
    put(out, "Label1", main_.Label1);
    put(out, "Gun_lst", main_.Gun_lst);
    put(out, "Com_Lst", main_.Com_Lst);
    put(out, "Lab_Mei", main_.Lab_Mei);
    put(out, "Lab_MeiVal", main_.Lab_MeiVal);
    put(out, "Lab_hlp", main_.Lab_hlp);
    put(out, "Label6", main_.Label6);
    put(out, "dsp_PC", main_.dsp_PC);
    put(out, "Auto", main_.Command1[3]);
    out.key("currentPanel").number(static_cast<long long>(main_.currentPanel()));
  }

  void handle(const PageEvent& e) override {
    int k = 0;
    if (on(e, "Gun_lst", "click", &k) && k < kPanels && row(e, main_.Gun_lst[static_cast<std::size_t>(k)])) {
      main_.Gun_lst[static_cast<std::size_t>(k)].listIndex = e.index;
      main_.Gun_lst_Click(k);
    }
    if (on(e, "Com_Lst", "click", &k) && k < kPanels && row(e, main_.Com_Lst[static_cast<std::size_t>(k)])) {
      ListBox& menu = main_.Com_Lst[static_cast<std::size_t>(k)];
      menu.listIndex = e.index;
      main_.Com_Lst_Click(k);
      // Hot seat: the next player must not see which line this one picked.
      menu.listIndex = -1;
    }
    if (on(e, "dsp_PC", "click") && row(e, main_.dsp_PC)) {
      main_.dsp_PC.listIndex = e.index;
      main_.dsp_PC_Click();
    }
    if (on(e, "Auto", "click") && pressable(main_.Command1[3])) main_.Command1_Click(3);
    if (e.kind == "click") {
      for (const MenuItem& m : kMenu) {
        if (on(e, std::string("menu.") + m.control)) (main_.*m.handler)();
      }
    }
  }

  bool escapeCloses() const override { return false; }

 private:
  MainScreen& main_;
};

}  // namespace

std::unique_ptr<WebView> makeMainScreenView(Screen& screen, WebUi& ui) {
  return std::make_unique<MainScreenWebView>(static_cast<MainScreen&>(screen), ui);
}

}  // namespace velkaro::web
