#include "web/WebUi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/DataError.h"
#include "data/FileCache.h"
#include "web/Json.h"

namespace velkaro::web {

void WebUi::registerView(const std::string& screenName, ViewFactory factory) {
  factories_[screenName] = std::move(factory);
}

std::vector<std::string> WebUi::buttonsOf(MsgStyle style) {
  switch (style) {
    case MsgStyle::OkOnly: return {"OK"};
    case MsgStyle::OkCancel: return {"OK", "キャンセル"};
    case MsgStyle::YesNo: return {"はい", "いいえ"};
  }
  return {"OK"};
}

MsgResult WebUi::msgBox(const std::string& prompt, MsgStyle style, const std::string& title) {
  // The windows behind the question show the state it is about (the new year, whose turn).
  refreshAll();
  const std::vector<std::string> buttons = buttonsOf(style);
  // Every question here gives something up on yes (the turn, the unsaved game, a slot, the
  // edits): the focused answer, and the one Esc gives, is the safe one.
  const int safe = style == MsgStyle::OkOnly ? 0 : 1;
  Json box;
  box.open();
  box.key("title").text(title);
  box.key("prompt").text(prompt);
  box.key("icon").text(style == MsgStyle::OkOnly ? "information" : "question");
  box.key("buttons").list();
  for (const std::string& b : buttons) box.text(b);
  box.end();
  box.key("default").number(static_cast<long long>(safe));
  box.key("escape").number(static_cast<long long>(safe));
  box.close();
  FileCache::shared().lookAgain();
  const int answer = page_.ask(box.str());
  switch (style) {
    case MsgStyle::OkOnly: return MsgResult::Ok;
    case MsgStyle::OkCancel: return answer == 0 ? MsgResult::Ok : MsgResult::Cancel;
    case MsgStyle::YesNo: return answer == 0 ? MsgResult::Yes : MsgResult::No;
  }
  return MsgResult::Cancel;
}

WebUi::Window& WebUi::open(Screen& screen, std::unique_ptr<Screen> owned, bool modal) {
  auto window = std::make_unique<Window>();
  window->id = nextId_++;
  window->screen = &screen;
  window->owned = std::move(owned);
  window->modal = modal;
  auto factory = factories_.find(screen.screenName());
  if (factory != factories_.end()) window->view = factory->second(screen, *this);
  windows_.push_back(std::move(window));
  return *windows_.back();
}

WebUi::Window* WebUi::find(const Screen& screen) {
  for (auto& w : windows_) {
    if (w->screen == &screen) return w.get();
  }
  return nullptr;
}

WebUi::Window* WebUi::find(int id) {
  for (auto& w : windows_) {
    if (w->id == id) return w.get();
  }
  return nullptr;
}

void WebUi::drop(const Window* window) {
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(), [&](const auto& w) { return w.get() == window; }),
                 windows_.end());
}

void WebUi::collect() {
  // A modeless screen that closed goes once none of its events is still running.
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                [](const auto& w) { return w->owned && w->screen->closed && w->busy == 0; }),
                 windows_.end());
}

bool WebUi::run(Window& window, const std::function<void()>& event) {
  // The window may be dropped by a nested pump only once it is idle; hold its id, not it.
  const int id = window.id;
  ++window.busy;
  const bool ok = dispatch(event);
  if (Window* w = find(id)) --w->busy;
  return ok;
}

void WebUi::showModal(Screen& screen) {
  Window& window = open(screen, nullptr, true);
  const int id = window.id;
  screen.closed = false;
  if (!run(window, [&] { screen.Form_Load(); })) screen.closed = true;
  if (!screen.closed) {
    refreshAll();
    pump([&] { return screen.closed; });
  }
  screen.closed = true;
  drop(find(id));
  refreshAll();
}

void WebUi::showModeless(std::unique_ptr<Screen> owned) {
  if (!owned) return;
  Screen& screen = *owned;
  Window& window = open(screen, std::move(owned), false);
  screen.closed = false;
  if (!run(window, [&] { screen.Form_Load(); })) screen.closed = true;
  collect();
  refreshAll();
}

void WebUi::close(Screen& screen) {
  screen.closed = true;
  if (Window* window = find(screen)) syncTimers(*window);
}

void WebUi::closeModeless(const std::string& screenName) {
  for (auto& w : windows_) {
    if (w->owned && !w->screen->closed && w->screen->screenName() == screenName) close(*w->screen);
  }
}

void WebUi::timersChanged(Screen& screen) {
  if (Window* window = find(screen)) syncTimers(*window);
}

void WebUi::refresh(Screen&) { refreshAll(); }

void WebUi::endProgram() {
  // Every file is written and closed within the call that changes it, so nothing is lost here.
  std::fflush(nullptr);
  page_.ended();
  // ended() does not return; a compiler that cannot see that through the virtual call is told so.
  std::abort();
}

void WebUi::syncTimers(Window& window) {
  const Screen& screen = *window.screen;
  window.due.resize(screen.timers.size(), -1);
  window.interval.resize(screen.timers.size(), 0);
  for (std::size_t i = 0; i < screen.timers.size(); ++i) {
    const Timer& t = screen.timers[i];
    if (t.enabled && t.interval > 0 && !screen.closed) {
      if (window.due[i] < 0 || window.interval[i] != t.interval) window.due[i] = page_.now() + t.interval;
      window.interval[i] = t.interval;
    } else {
      window.due[i] = -1;
    }
  }
}

void WebUi::fireTimers() {
  const double now = page_.now();
  std::vector<int> ids;
  for (const auto& w : windows_) ids.push_back(w->id);
  for (int id : ids) {
    Window* w = find(id);
    for (std::size_t i = 0; w != nullptr && i < w->due.size(); ++i) {
      if (w->due[i] < 0 || w->due[i] > now || w->screen->closed) continue;
      w->due[i] = now + w->interval[i];
      Screen& screen = *w->screen;
      const int index = static_cast<int>(i);
      run(*w, [&screen, index] { screen.Timer_Timer(index); });
      w = find(id);
    }
  }
}

void WebUi::pump(const std::function<bool()>& done) {
  while (!done()) {
    collect();
    double soonest = -1;
    for (const auto& w : windows_) {
      for (double due : w->due) {
        if (due >= 0 && (soonest < 0 || due < soonest)) soonest = due;
      }
    }
    const int wait = soonest < 0 ? -1 : static_cast<int>(std::ceil(std::max(0.0, soonest - page_.now())));
    FileCache::shared().lookAgain();  // as in the desktop game, a wait ends what the file cache takes on trust
    if (auto e = page_.next(wait)) {
      handle(*e);
    } else {
      fireTimers();
    }
  }
}

void WebUi::run() {
  refreshAll();
  pump([this] { return openWindows() == 0; });
}

bool WebUi::reachable(const Window& window) const {
  // A modal window takes every event until it closes, as a dialog does.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (it->get() == &window) return true;
    if ((*it)->modal && !(*it)->screen->closed) return false;
  }
  return false;
}

void WebUi::closeByPlayer(Window& window) {
  Screen& screen = *window.screen;
  bool allowed = false;
  run(window, [&] { allowed = screen.Form_QueryUnload(); });
  if (allowed && !screen.closed) close(screen);
  refreshAll();
}

void WebUi::handle(const PageEvent& e) {
  if (e.window == 0) {
    if (pageHandler_) dispatch([&] { pageHandler_(e); });
    return;
  }
  Window* window = find(e.window);
  if (window == nullptr || window->screen->closed || !reachable(*window)) {
    refreshAll();  // the page drew a window that is gone: draw it as it is
    return;
  }
  if (e.kind == "escape") {
    bool taken = false;
    if (window->view) run(*window, [&] { taken = window->view->escape(); });
    window = find(e.window);
    if (!taken && window != nullptr && !window->screen->closed && (!window->view || window->view->escapeCloses())) {
      closeByPlayer(*window);
    }
    return;
  }
  if (window->view) {
    WebView& view = *window->view;
    run(*window, [&] { view.handle(e); });
  }
}

bool WebUi::dispatch(const std::function<void()>& event) {
  bool ok = true;
  try {
    event();
  } catch (const DataError& e) {
    ok = false;
    msgBox(e.what(), MsgStyle::OkOnly, kGameTitle);
  }
  refreshAll();
  return ok;
}

void WebUi::showStatus(const std::string& line) {
  status_ = line;
  ++statusSerial_;
}

std::size_t WebUi::openWindows() const {
  std::size_t n = 0;
  for (const auto& w : windows_) n += w->screen->closed ? 0 : 1;
  return n;
}

bool WebUi::unsaved() const {
  for (const auto& w : windows_) {
    if (!w->screen->closed && w->screen->screenName() == "MainScreen" && !w->screen->context().saved) return true;
  }
  return false;
}

void WebUi::refreshAll() {
  Json out;
  out.open();
  out.key("windows").list();
  for (auto& w : windows_) {
    if (w->screen->closed) continue;
    syncTimers(*w);
    out.open();
    out.key("id").number(static_cast<long long>(w->id));
    out.key("screen").text(w->screen->screenName());
    out.key("caption").text(w->screen->caption);
    out.key("modal").flag(w->modal);
    out.key("state").open();
    if (w->view) w->view->write(out);
    out.close();
    out.close();
  }
  out.end();
  out.key("status").text(status_);
  out.key("statusSerial").number(static_cast<long long>(statusSerial_));
  out.key("unsaved").flag(unsaved());
  out.close();
  page_.draw(out.str());
}

}  // namespace velkaro::web
