#include "qt/ScreenRoom.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velkaro::qt {

QMargins ScreenRoom::frame() {
  // A window already on the screen shows what the window manager adds (nothing without one).
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || !w->isWindow() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip) continue;
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(), outer.bottom() - inner.bottom()};
  }
  return {4, 30, 4, 4};
}

QRect ScreenRoom::inside(const QWidget* near) {
  if (near == nullptr) near = QApplication::activeWindow();
  QScreen* screen = near != nullptr ? near->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {0, 0, 1024, 768};
  return screen->availableGeometry().marginsRemoved(frame());
}

}  // namespace velkaro::qt
