#pragma once
// The log reader's window: the page text in a viewport with its scroll bar, and the page buttons.
// Layout units become pixels so that one text line of 190 units is one line of the font.
#include <array>

#include "persistence/LogReader.h"
#include "qt/ScreenView.h"

class QFrame;
class QScrollBar;

namespace velkaro::qt {

class LogReaderView : public ScreenView {
  Q_OBJECT
 public:
  LogReaderView(LogReader& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override;
  QPushButton* escapeButton() const override { return buttons_[0]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int px(int units) const;
  void scrollTo(int barValue);
  // The text over the viewport's whole width, at the game's scroll position.
  void placeText();

  LogReader& reader_;
  QFrame* frame_;
  QFrame* viewport_;
  QLabel* text_;
  QScrollBar* bar_;
  std::array<QPushButton*, 4> buttons_{};
};

}  // namespace velkaro::qt
