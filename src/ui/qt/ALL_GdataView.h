#pragma once
// The all-factions window: the overview's columns as one table.
#include <array>

#include "screens/ALL_Gdata.h"
#include "ui/qt/ScreenView.h"

class QTableWidget;

namespace velkaro::qt {

class ALL_GdataView : public ScreenView {
  Q_OBJECT
 public:
  ALL_GdataView(ALL_Gdata& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {980, 560}; }

 private:
  ALL_Gdata& all_;
  QTableWidget* table_;
  std::array<QPushButton*, 2> buttons_{};
};

}  // namespace velkaro::qt
