#pragma once
// The all-factions window: the overview's columns as one table.
#include <array>

#include "screens/AllFactions.h"
#include "qt/ScreenView.h"

class QTableWidget;

namespace velkaro::qt {

class AllFactionsView : public ScreenView {
  Q_OBJECT
 public:
  AllFactionsView(AllFactions& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {980, 560}; }
  QPushButton* escapeButton() const override { return buttons_[0]; }

 private:
  AllFactions& all_;
  QTableWidget* table_;
  std::array<QPushButton*, 2> buttons_{};
};

}  // namespace velkaro::qt
