#pragma once
// The strategy explanation screen's window.
#include <array>

#include "screens/Strate.h"
#include "ui/qt/ScreenView.h"

class QLabel;
class QPushButton;

namespace velkaro::qt {

class StrateView : public ScreenView {
  Q_OBJECT
 public:
  StrateView(Strate& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {620, 440}; }

 private:
  Strate& strate_;
  QLabel* heading_;
  QLabel* text_;
  std::array<QPushButton*, 3> buttons_{};
};

}  // namespace velkaro::qt
