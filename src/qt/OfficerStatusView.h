#pragma once
// The officer status window: name, post, abilities and the clickable comment.
#include "screens/OfficerStatus.h"
#include "qt/ScreenView.h"

namespace velkaro::qt {

class ClickableLabel;

class OfficerStatusView : public ScreenView {
  Q_OBJECT
 public:
  OfficerStatusView(OfficerStatus& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {620, 520}; }
  QPushButton* escapeButton() const override { return back_; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  OfficerStatus& status_;
  QLabel* name_;
  QLabel* job_;
  QLabel* kinds_[2];
  QLabel* values_[2];
  ClickableLabel* comment_;
  QLabel* hint_;
  QPushButton* edit_;
  QPushButton* back_;
};

}  // namespace velkaro::qt
