#pragma once
// The officer table window: one row per officer of the ruler.
#include "screens/B_data.h"
#include "ui/qt/ScreenView.h"

class QTableWidget;

namespace velkaro::qt {

class B_dataView : public ScreenView {
  Q_OBJECT
 public:
  B_dataView(B_data& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {760, 600}; }

 private:
  B_data& table_;
  QTableWidget* grid_;
  QLabel* hint_;
  QPushButton* back_;
};

}  // namespace velkaro::qt
