#pragma once
// The officer table window: one row per officer of the ruler.
#include "screens/OfficerRoster.h"
#include "qt/ScreenView.h"

class QTableWidget;

namespace velkaro::qt {

class OfficerRosterView : public ScreenView {
  Q_OBJECT
 public:
  OfficerRosterView(OfficerRoster& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {760, 600}; }
  QPushButton* escapeButton() const override { return back_; }

 private:
  OfficerRoster& table_;
  QTableWidget* grid_;
  QLabel* hint_;
  QPushButton* back_;
};

}  // namespace velkaro::qt
