#pragma once
// One screen as the page sees it: its controls written out as JSON for drawing, and the
// player's events on them turned into the screen's event procedures.
#include <array>
#include <string_view>

#include "ui/Controls.h"
#include "ui/Screen.h"
#include "web/Json.h"
#include "web/Page.h"

namespace velkaro::web {

class WebUi;

class WebView {
 public:
  WebView(Screen& screen, WebUi& ui) : screen_(screen), ui_(ui) {}
  virtual ~WebView() = default;
  WebView(const WebView&) = delete;
  WebView& operator=(const WebView&) = delete;

  // Writes the screen's controls as keys of the open JSON object.
  virtual void write(Json& out) const = 0;
  // Runs one event of the player on the screen; WebUi wraps it in its dispatch.
  virtual void handle(const PageEvent& e) = 0;
  // Esc in this window: presses its 戻る / 閉 button when it has one. True when the window
  // took the key; false lets the window close as its close box would.
  virtual bool escape() { return false; }
  // Whether Esc may close the window when the view did not take it (the title and the main
  // window say no: the game would end).
  virtual bool escapeCloses() const { return true; }

  Screen& screen() { return screen_; }

 protected:
  static void put(Json& out, std::string_view name, const Label& label);
  static void put(Json& out, std::string_view name, const TextBox& box);
  static void put(Json& out, std::string_view name, const ListBox& list);
  template <typename Control, std::size_t N>
  static void put(Json& out, std::string_view name, const std::array<Control, N>& controls) {
    out.key(name).list();
    for (const Control& c : controls) put(out, {}, c);
    out.end();
  }
  // Presses a button only when the player could: shown and enabled.
  static bool pressable(const Button& button) { return button.visible && button.enabled; }
  // The row of a list event, when the list has it.
  static bool row(const PageEvent& e, const ListBox& list) { return list.valid(e.index); }

  Screen& screen_;
  WebUi& ui_;
};

}  // namespace velkaro::web
