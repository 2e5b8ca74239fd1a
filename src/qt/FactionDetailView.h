#pragma once
// The faction detail window: the figures beside the officer lists of the five posts.
#include <array>

#include "screens/FactionDetail.h"
#include "qt/ScreenView.h"

class QGroupBox;

namespace velkaro::qt {

class FactionDetailView : public ScreenView {
  Q_OBJECT
 public:
  FactionDetailView(FactionDetail& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1100, 560}; }
  QPushButton* escapeButton() const override { return buttons_[0]; }

 private:
  FactionDetail& gdata_;
  QLabel* title_;
  QLabel* headings_;
  QLabel* figures_;
  QLabel* note_;
  std::array<QGroupBox*, FactionDetail::kLists> frames_{};
  std::array<QListWidget*, FactionDetail::kLists> lists_{};
  std::array<QPushButton*, 2> buttons_{};
};

}  // namespace velkaro::qt
