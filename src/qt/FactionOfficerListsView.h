#pragma once
// The faction lists window: thirteen panels, each a faction's name above its officers.
#include <array>

#include "screens/FactionOfficerLists.h"
#include "qt/ScreenView.h"

namespace velkaro::qt {

class FactionOfficerListsView : public ScreenView {
  Q_OBJECT
 public:
  FactionOfficerListsView(FactionOfficerLists& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1220, 720}; }
  QPushButton* escapeButton() const override { return back_; }

 private:
  FactionOfficerLists& lists_;
  std::array<QLabel*, FactionOfficerLists::kPanels> names_{};
  std::array<QListWidget*, FactionOfficerLists::kPanels> officers_{};
  QPushButton* back_;
};

}  // namespace velkaro::qt
