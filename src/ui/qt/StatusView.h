#pragma once
// The officer status window: name, post, abilities and the clickable comment.
#include "screens/Status.h"
#include "ui/qt/ScreenView.h"

namespace velkaro::qt {

class ClickableLabel;

class StatusView : public ScreenView {
  Q_OBJECT
 public:
  StatusView(Status& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {620, 520}; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  Status& status_;
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
