#pragma once
// The strategy explanation screen's window.
#include <array>

#include "screens/StrategyExplanation.h"
#include "qt/ScreenView.h"

class QLabel;
class QPushButton;

namespace velkaro::qt {

class StrategyExplanationView : public ScreenView {
  Q_OBJECT
 public:
  StrategyExplanationView(StrategyExplanation& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {620, 440}; }
  QPushButton* escapeButton() const override { return buttons_[0]; }

 private:
  StrategyExplanation& strate_;
  QLabel* heading_;
  QLabel* text_;
  std::array<QPushButton*, 3> buttons_{};
  bool focusPlaced_ = false;
};

}  // namespace velkaro::qt
