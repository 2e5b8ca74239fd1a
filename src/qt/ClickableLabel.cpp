#include "qt/ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velkaro::qt {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit clicked();
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
  emit hovered();
  QLabel::mouseMoveEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
    emit clicked();
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace velkaro::qt
