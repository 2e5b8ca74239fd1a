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
class QString;
class QWidget;

namespace velkaro::qt {

class ScreenView;
class ScreenWindow;

class QtUi : public Ui {
 public:
  using ViewFactory = std::function<ScreenView*(Screen& screen, QtUi& ui)>;

  // Made after the application: whenever its event loop is about to wait, the player may edit
  // the game's files meanwhile, so the file cache is told to look at the disk again.
  QtUi();

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
  // Called with every screen window once it is shown (a modal one just before its event loop).
  void setWindowWatcher(std::function<void(ScreenWindow& window)> watcher) { windowWatcher_ = std::move(watcher); }
  // A short line in the status bar of the window that has one (the main window), for news
  // that needs no answer, such as a finished save.
  void showStatus(const QString& line);
  // Windows whose screen is still open.
  std::size_t openWindows() const;

 private:
  ScreenWindow* makeWindow(Screen& screen);
  ScreenWindow* find(const Screen& screen) const;

  std::map<std::string, ViewFactory> factories_;
  void showPendingWindows();

  std::vector<ScreenWindow*> windows_;
  std::function<void(QMessageBox& box)> messageWatcher_;
  std::function<void(ScreenWindow& window)> windowWatcher_;
  // The title and the main window replace each other: while the new one loads and speaks
  // (「曹操の番です。」), the old one is hidden, and shown again should the new one fail to load.
  std::vector<ScreenWindow*> replaced_;
  static bool replacesOthers(const Screen& screen);
  void hideReplaced(ScreenWindow* incoming);
  void watch(ScreenWindow* window);
};

}  // namespace velkaro::qt
