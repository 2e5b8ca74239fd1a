#include "qt/WindowPlacement.h"

#include <algorithm>
#include <array>

namespace velkaro::qt {
namespace {

int clampInto(int start, int length, int areaStart, int areaLength) {
  return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

QRect WindowPlacement::beside(QRect avoid, QSize wanted, QSize least, QRect area) {
  least = least.boundedTo(wanted);
  const int right = area.right() - avoid.right();
  const int left = avoid.left() - area.left();
  const int below = area.bottom() - avoid.bottom();
  const int above = avoid.top() - area.top();
  std::array<QRect, 4> candidates{};
  const int tall = std::min(wanted.height(), area.height());
  const int wide = std::min(wanted.width(), area.width());
  const int y = clampInto(avoid.top(), tall, area.top(), area.height());
  const int x = clampInto(avoid.center().x() - wide / 2, wide, area.left(), area.width());
  if (right >= least.width()) candidates[0] = QRect(avoid.right() + 1, y, std::min(wanted.width(), right), tall);
  if (left >= least.width()) {
    const int w = std::min(wanted.width(), left);
    candidates[1] = QRect(avoid.left() - w, y, w, tall);
  }
  if (below >= least.height()) candidates[2] = QRect(x, avoid.bottom() + 1, wide, std::min(wanted.height(), below));
  if (above >= least.height()) {
    const int h = std::min(wanted.height(), above);
    candidates[3] = QRect(x, avoid.top() - h, wide, h);
  }
  // The side that keeps most of the wanted size; the earlier side when they tie.
  QRect best;
  long bestArea = 0;
  for (const QRect& c : candidates) {
    const long a = static_cast<long>(c.width()) * c.height();
    if (c.isValid() && a > bestArea) {
      best = c;
      bestArea = a;
    }
  }
  return best;
}

}  // namespace velkaro::qt
