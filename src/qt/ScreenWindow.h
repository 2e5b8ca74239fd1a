#pragma once
// The window that holds one screen's view, its timers, and (for modeless screens) the screen itself.
#include <QDialog>
#include <QPointer>
#include <memory>
#include <vector>

#include "ui/Screen.h"

class QTimer;

namespace velkaro::qt {

class QtUi;
class ScreenView;

class ScreenWindow : public QDialog {
  Q_OBJECT
 public:
  ScreenWindow(Screen& screen, ScreenView* view, QtUi& ui);
  ~ScreenWindow() override;

  Screen& screen() { return screen_; }
  bool screenOpen() const { return !screen_.closed; }
  ScreenView* view() { return view_; }
  void own(std::unique_ptr<Screen> screen) { owned_ = std::move(screen); }
  bool owns() const { return owned_ != nullptr; }

  void syncTimers();
  void refresh();
  // The list this window was opened from: the window is placed beside it, not over it.
  void openedFrom(QWidget* list) { openedFrom_ = list; }
  void placeBesideOpener();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  bool mayClose();

  Screen& screen_;
  ScreenView* view_;
  QtUi& ui_;
  std::unique_ptr<Screen> owned_;
  std::vector<QTimer*> timers_;
  QPointer<QWidget> openedFrom_;
};

}  // namespace velkaro::qt
