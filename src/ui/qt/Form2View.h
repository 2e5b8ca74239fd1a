#pragma once
// The title screen's window.
#include "setup/Form2.h"
#include "ui/qt/ScreenView.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace velkaro::qt {

class Form2View : public ScreenView {
  Q_OBJECT
 public:
  Form2View(Form2& screen, QtUi& ui);
  void refresh() override;
  QSize preferredSize() const override { return {1000, 680}; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Form2& form_;
  QLabel* picture_;
  QLabel* label1_;
  QListWidget* lists_[2];
  QLabel* headings_[2];
  QLabel* description_;
  QLabel* hint_;
  QPushButton* newGame_;
  QPushButton* command1_[2];
  QPushButton* restore_;
};

}  // namespace velkaro::qt
