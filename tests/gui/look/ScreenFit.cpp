#include "ScreenFit.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QWidget>

namespace ScreenFit {
namespace {

QString describe(const QRect& r) { return QString("%1,%2 %3×%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

QString nameOf(const QWidget* w) {
  if (const auto* b = qobject_cast<const QPushButton*>(w)) return QString("button 「%1」").arg(b->text());
  return QString::fromUtf8(w->metaObject()->className());
}

// Inside a scroll area's viewport a control may stand beyond the visible part: it is scrolled to.
bool insideScrolledContent(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget()) {
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget())) {
      if (area->viewport() == p) return true;
    }
  }
  return false;
}

// Cut by an ancestor: some part of the widget lies beyond one of the widgets that hold it.
bool clippedByAncestor(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p != nullptr; p = p->parentWidget()) {
    const QRect inParent(w->mapTo(p, QPoint(0, 0)), w->size());
    if (!p->rect().contains(inParent)) return true;
    if (p == window) break;
  }
  return false;
}

}  // namespace

QStringList misfits(QWidget* window) {
  QStringList found;
  const QScreen* screen = window->screen();
  if (screen == nullptr) return {"the window is on no screen"};
  const QRect area = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  if (!area.contains(frame)) found << QString("frame %1 beyond the screen %2").arg(describe(frame), describe(area));
  QList<QWidget*> controls;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->window() != window || !w->isVisible()) continue;
    if (qobject_cast<QPushButton*>(w) != nullptr || qobject_cast<QAbstractScrollArea*>(w) != nullptr ||
        qobject_cast<QTabBar*>(w) != nullptr) {
      controls << w;
    }
  }
  for (QWidget* w : controls) {
    if (insideScrolledContent(w, window)) continue;
    const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
    if (!window->rect().contains(inWindow)) {
      found << QString("%1 at %2 outside the window %3").arg(nameOf(w), describe(inWindow), describe(window->rect()));
    } else if (clippedByAncestor(w, window)) {
      found << QString("%1 at %2 cut by the widget that holds it").arg(nameOf(w), describe(inWindow));
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
      const QSize hint = b->sizeHint();
      if (b->width() < hint.width() || b->height() < hint.height()) {
        found << QString("%1 is %2×%3, its text needs %4×%5")
                     .arg(nameOf(b))
                     .arg(b->width())
                     .arg(b->height())
                     .arg(hint.width())
                     .arg(hint.height());
      }
    }
  }
  return found;
}

QColor dominantColour(QWidget* widget) {
  // What the display shows in the widget's place, not a fresh rendering of it.
  QWidget* window = widget->window();
  const QPoint at = widget->mapTo(window, QPoint(0, 0));
  QImage image;
  if (QScreen* screen = window->screen()) {
    image = screen->grabWindow(window->winId(), at.x(), at.y(), widget->width(), widget->height()).toImage();
  }
  if (image.isNull()) image = widget->grab().toImage();
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) & 0xFFFFFFu];
  }
  QRgb best = 0;
  int bestCount = -1;
  for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
    if (it.value() > bestCount) {
      best = it.key();
      bestCount = it.value();
    }
  }
  return QColor::fromRgb(best);
}

}  // namespace ScreenFit
