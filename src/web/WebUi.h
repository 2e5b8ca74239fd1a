#pragma once
// The browser implementation of the Ui port. Every open screen is a window on the page, drawn
// from its controls' state after every event. The port's modal calls return only once the
// player has answered: they run an event pump that waits on the page (the browser build
// suspends the program there and resumes it on the page's next event or timer).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Screen.h"
#include "ui/Ui.h"
#include "web/Page.h"
#include "web/WebView.h"

namespace velkaro::web {

class WebUi : public Ui {
 public:
  using ViewFactory = std::function<std::unique_ptr<WebView>(Screen& screen, WebUi& ui)>;
  using PageHandler = std::function<void(const PageEvent& e)>;

  explicit WebUi(Page& page) : page_(page) {}

  void registerView(const std::string& screenName, ViewFactory factory);
  // Events of the page itself (window 0), such as a slot's export; run like a screen's event.
  void setPageHandler(PageHandler handler) { pageHandler_ = std::move(handler); }

  MsgResult msgBox(const std::string& prompt, MsgStyle style, const std::string& title = kGameTitle) override;
  void showModal(Screen& screen) override;
  void showModeless(std::unique_ptr<Screen> screen) override;
  void close(Screen& screen) override;
  void closeModeless(const std::string& screenName) override;
  void timersChanged(Screen& screen) override;
  void refresh(Screen& screen) override;
  [[noreturn]] void endProgram() override;

  // Plays until no window is left open.
  void run();
  // Runs one event: a data error becomes a message, then every window is redrawn. False when
  // the event ended in an error.
  bool dispatch(const std::function<void()>& event);
  // Draws every open window from its screen's state.
  void refreshAll();
  // A line in the page's status bar, for news that needs no answer (a finished save).
  void showStatus(const std::string& line);
  // Windows whose screen is still open.
  std::size_t openWindows() const;
  // A running game that was not saved since its last change: leaving the page asks first.
  bool unsaved() const;

  Page& page() { return page_; }

  // The message box buttons' captions, in the order the page shows them.
  static std::vector<std::string> buttonsOf(MsgStyle style);

 private:
  struct Window {
    int id = 0;
    Screen* screen = nullptr;
    std::unique_ptr<Screen> owned;
    std::unique_ptr<WebView> view;
    bool modal = false;
    int busy = 0;                 // events of this screen under way (it must not be dropped)
    std::vector<double> due;      // when each timer fires next; negative while it is stopped
    std::vector<int> interval;
  };

  Window& open(Screen& screen, std::unique_ptr<Screen> owned, bool modal);
  Window* find(const Screen& screen);
  Window* find(int id);
  void drop(const Window* window);
  void collect();
  void syncTimers(Window& window);
  // Runs events and timers until `done` says so.
  void pump(const std::function<bool()>& done);
  void handle(const PageEvent& e);
  void fireTimers();
  void closeByPlayer(Window& window);
  bool reachable(const Window& window) const;
  // Runs a screen event while marking the window busy.
  bool run(Window& window, const std::function<void()>& event);

  Page& page_;
  std::map<std::string, ViewFactory> factories_;
  PageHandler pageHandler_;
  std::vector<std::unique_ptr<Window>> windows_;
  int nextId_ = 1;
  std::string status_;
  int statusSerial_ = 0;
};

}  // namespace velkaro::web
