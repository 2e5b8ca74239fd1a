#pragma once
// The Qt 6 Widgets implementation of the Ui port: each screen is shown in a window with its own view.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Screen.h"
#include "ui/Ui.h"

class QMessageBox;
class QWidget;

namespace velkaro::qt {

class ScreenView;
class ScreenWindow;

class QtUi : public Ui {
 public:
  using ViewFactory = std::function<ScreenView*(Screen& screen, QtUi& ui)>;

  void registerView(const std::string& screenName, ViewFactory factory);

  MsgResult msgBox(const std::string& prompt, MsgStyle style, const std::string& title) override;
  void showModal(Screen& screen) override;
  void showModeless(std::unique_ptr<Screen> screen) override;
  void close(Screen& screen) override;
  void closeModeless(const std::string& screenName) override;
  void timersChanged(Screen& screen) override;
  void refresh(Screen& screen) override;
  [[noreturn]] void endProgram() override;

  // Redraws every open window from its screen's state.
  void refreshAll();
  // Runs a user event on a screen: data errors become a message, then every window is redrawn.
  // False when the event ended in an error.
  bool dispatch(const std::function<void()>& event);

  void windowGone(ScreenWindow* window);

  // Called with every message box just before it is shown: the end-to-end tests read its
  // text and answer it (from a timer, once its event loop runs) as a player would.
  void setMessageWatcher(std::function<void(QMessageBox& box)> watcher) { messageWatcher_ = std::move(watcher); }
  // Windows whose screen is still open.
  std::size_t openWindows() const;

 private:
  ScreenWindow* makeWindow(Screen& screen);
  ScreenWindow* find(const Screen& screen) const;

  std::map<std::string, ViewFactory> factories_;
  void showPendingWindows();

  std::vector<ScreenWindow*> windows_;
  std::function<void(QMessageBox& box)> messageWatcher_;
};

}  // namespace velkaro::qt
