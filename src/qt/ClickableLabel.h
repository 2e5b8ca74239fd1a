#pragma once
// A label that can be clicked with the mouse or, once focused with Tab, with Enter or Space,
// and that reports the mouse passing over it.
#include <QLabel>

namespace velkaro::qt {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  void clicked();
  void hovered();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velkaro::qt
