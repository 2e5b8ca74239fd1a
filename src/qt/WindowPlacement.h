#pragma once
// Where a child window goes: beside the list it was opened from, so the player still sees
// the list (and the line chosen in it) while reading the window.
#include <QRect>
#include <QSize>

namespace velkaro::qt {

class WindowPlacement {
 public:
  // The window's rectangle within `area`: right of `avoid`, else left of it, else below or
  // above it, narrowed down to `least` when the room is smaller than `wanted`. An empty rectangle
  // when no side has room for `least` (the window then goes where the system puts it).
  static QRect beside(QRect avoid, QSize wanted, QSize least, QRect area);
};

}  // namespace velkaro::qt
