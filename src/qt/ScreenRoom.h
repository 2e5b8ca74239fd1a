#pragma once
// The room a window has on the screen it opens on: the screen's free area less the frame the
// window manager puts round the window, so that the frame, title bar included, stays in sight.
#include <QMargins>
#include <QRect>

class QWidget;

namespace velkaro::qt {

class ScreenRoom {
 public:
  // Where the window's inside may lie on the screen of `near` (the active window's screen when
  // null, else the primary screen).
  static QRect inside(const QWidget* near = nullptr);
  // The window manager's frame: measured on a window already shown, else a usual title bar
  // and border.
  static QMargins frame();
};

}  // namespace velkaro::qt
