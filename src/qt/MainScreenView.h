#pragma once
// The main screen's window: four faction panels with their strategy menus, the year line,
// the players and the menus.
#include <array>
#include <utility>

#include "turn/MainScreen.h"
#include "qt/ScreenView.h"

class QGroupBox;
class QMenu;
class QMenuBar;
class QVBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace velkaro::qt {

class MainScreenView : public ScreenView {
  Q_OBJECT
 public:
  MainScreenView(MainScreen& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1220, 700}; }
  bool escapeCloses() const override { return false; }

 private:
  QMenuBar* makeMenus();
  QGroupBox* makePanel(int k);
  QVBoxLayout* makePlayerColumn();
  void strategyChosen(int panel, int row);
  void fitWidth(QListWidget* list);
  // A new turn hands the keyboard to the menu of the player whose turn it is.
  void focusTurn();

  MainScreen& main_;
  QMenu* info_ = nullptr;
  std::array<QGroupBox*, kPanels> panels_{};
  std::array<QLabel*, kPanels> shozoku_{};
  std::array<QListWidget*, kPanels> factions_{};
  std::array<QListWidget*, kPanels> menus_{};
  std::array<QLabel*, kPanels> allianceHeads_{};
  std::array<QLabel*, kPanels> allianceValues_{};
  QLabel* year_;
  QLabel* player_;
  QListWidget* players_;
  QPushButton* auto_;
  std::pair<int, int> shownTurn_{-1, -1};  // year and turn pointer last drawn
};

}  // namespace velkaro::qt
