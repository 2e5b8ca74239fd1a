#pragma once
// The faction lists window: thirteen panels, each a faction's name above its officers.
#include <array>

#include "screens/All_Bdata.h"
#include "ui/qt/ScreenView.h"

namespace velkaro::qt {

class All_BdataView : public ScreenView {
  Q_OBJECT
 public:
  All_BdataView(All_Bdata& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1220, 720}; }

 private:
  All_Bdata& lists_;
  std::array<QLabel*, All_Bdata::kPanels> names_{};
  std::array<QListWidget*, All_Bdata::kPanels> officers_{};
  QPushButton* back_;
};

}  // namespace velkaro::qt
