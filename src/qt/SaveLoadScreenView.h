#pragma once
// The save and load screen's window: a digit pad, also driven from the keyboard
// (digits, Backspace for 取消, Enter for 決定, Escape for 戻る).
#include <array>

#include "persistence/SaveLoadScreen.h"
#include "qt/ScreenView.h"

namespace velkaro::qt {

class SaveLoadScreenView : public ScreenView {
  Q_OBJECT
 public:
  SaveLoadScreenView(SaveLoadScreen& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {460, 440}; }
  QPushButton* escapeButton() const override { return back_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // 決定, with the news of a finished save.
  void decide();
  bool focusOnButton() const;

  SaveLoadScreen& svld_;
  bool focusPlaced_ = false;
  QLabel* number_;
  QLabel* hint_;
  std::array<QPushButton*, 10> digits_{};
  std::array<QPushButton*, 2> command2_{};
  QPushButton* back_;
};

}  // namespace velkaro::qt
