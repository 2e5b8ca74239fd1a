#pragma once
// The save and load screen's window: a digit pad, also driven from the keyboard
// (digits, Backspace for 取消, Enter for 決定, Escape for 戻る).
#include <array>

#include "persistence/SVLD.h"
#include "ui/qt/ScreenView.h"

namespace velkaro::qt {

class SVLDView : public ScreenView {
  Q_OBJECT
 public:
  SVLDView(SVLD& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {460, 520}; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SVLD& svld_;
  QLabel* number_;
  QLabel* hint_;
  std::array<QPushButton*, 10> digits_{};
  std::array<QPushButton*, 2> command2_{};
  QPushButton* back_;
};

}  // namespace velkaro::qt
