#pragma once
// The title screen's window.
#include "setup/TitleScreen.h"
#include "qt/ScreenView.h"

class QGridLayout;
class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;

namespace velkaro::qt {

class TitleScreenView : public ScreenView {
  Q_OBJECT
 public:
  TitleScreenView(TitleScreen& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1000, 680}; }
  bool escapeCloses() const override { return false; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void makeLists(QGridLayout* grid);
  void makeButtons(QGridLayout* grid);
  void makeSplash();
  void connectLists();
  void chooseScenario(int row);
  // The 君主名 list by keyboard: Space or Ctrl+Space toggles the ruler under the cursor,
  // Shift+Up / Shift+Down take the next ruler into the selection as well.
  bool rulerKey(QKeyEvent* event);
  // Any key on the splash counts as a click on it.
  bool splashKey(QKeyEvent* event);

  TitleScreen& form_;
  QLabel* picture_;
  QLabel* label1_;
  QListWidget* lists_[2];
  QLabel* headings_[2];
  QLabel* description_;
  QLabel* hint_;
  QPushButton* newGame_;
  QPushButton* command1_[2];
  QPushButton* restore_;
  bool splashShown_ = false;
};

}  // namespace velkaro::qt
