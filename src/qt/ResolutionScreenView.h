#pragma once
// The resolution screen's window: the page in a scrollable text area, the four paging
// buttons and the warning line.
#include "resolution/ResolutionScreen.h"
#include "qt/ScreenView.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace velkaro::qt {

class ResolutionScreenView : public ScreenView {
  Q_OBJECT
 public:
  ResolutionScreenView(ResolutionScreen& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {760, 600}; }
  QPushButton* escapeButton() const override { return command1_[0]; }

  // One pixel is 15 of the screen's layout units.
  static constexpr int kUnitsPerPixel = 15;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void press(int index);
  void sizeText();
  // The credits stand low on their page: the page rolls up until they are in sight.
  void rollCredits();

  ResolutionScreen& msg_;
  QScrollArea* picture1_;
  QLabel* label1_;
  QLabel* caution_;
  QPushButton* command1_[4];
  QString shownPage_;
  int shownIndex_ = -1;
  bool rolled_ = false;
};

}  // namespace velkaro::qt
