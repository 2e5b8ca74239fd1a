#pragma once
// The widget that draws one screen's controls and forwards the user's events to it.
#include <QWidget>

#include "ui/Screen.h"

class QLabel;
class QListWidget;
class QPushButton;
class QBoxLayout;

namespace velkaro::qt {

class QtUi;

class ScreenView : public QWidget {
  Q_OBJECT
 public:
  ScreenView(Screen& screen, QtUi& ui) : screen_(screen), ui_(ui) {}

  // Redraws every control from the screen's state.
  virtual void refresh() = 0;
  // The window size the view wants.
  virtual QSize preferredSize() const { return {800, 600}; }
  // The 戻る / 閉 button that Esc presses (when it is enabled), or nullptr.
  virtual QPushButton* escapeButton() const { return nullptr; }
  // Whether Esc may close the window when it has no such button (the title and the main
  // window answer no: Esc there would end the program).
  virtual bool escapeCloses() const { return true; }
  // Asked before Esc or the window's close box leaves the screen: false keeps it open (a
  // view with typed text asks the player first).
  virtual bool mayLeave() { return true; }

  Screen& screen() { return screen_; }

 protected:
  void act(const std::function<void()>& event);

  // Controls drawn from their core state.
  static QString text(const std::string& utf8);
  static void show(QLabel* widget, const Label& label);
  static void show(QPushButton* widget, const Button& button);
  static void show(QListWidget* widget, const ListBox& list);
  // The background in the game's colour; kWindowColour draws `windowColour`, which is the
  // style's own background unless given.
  static void setBackground(QWidget* widget, std::uint32_t colour, std::uint32_t windowColour = kWindowColour);
  // Copies the user's selection of a multi-select list back into the core list.
  static void takeSelection(QListWidget* widget, ListBox& list);
  // A command button of the usual size appended to the row; a click runs the event.
  QPushButton* addButton(QBoxLayout* row, const std::function<void()>& event);

  Screen& screen_;
  QtUi& ui_;
};

}  // namespace velkaro::qt
