#pragma once
// The faction detail window: the figures beside the officer lists of the five posts.
#include <array>

#include "screens/Gdata.h"
#include "ui/qt/ScreenView.h"

class QGroupBox;

namespace velkaro::qt {

class GdataView : public ScreenView {
  Q_OBJECT
 public:
  GdataView(Gdata& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1100, 560}; }

 private:
  Gdata& gdata_;
  QLabel* title_;
  QLabel* headings_;
  QLabel* figures_;
  QLabel* note_;
  std::array<QGroupBox*, Gdata::kLists> frames_{};
  std::array<QListWidget*, Gdata::kLists> lists_{};
  std::array<QPushButton*, 2> buttons_{};
};

}  // namespace velkaro::qt
