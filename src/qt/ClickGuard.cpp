#include "qt/ClickGuard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <algorithm>

namespace velkaro::qt {

ClickGuard::ClickGuard() : QObject(qApp) { qApp->installEventFilter(this); }

ClickGuard& ClickGuard::instance() {
  static ClickGuard* guard = new ClickGuard();  // a child of the application, gone with it
  return *guard;
}

quint64 ClickGuard::span() {
  // The desktop's double-click time, but never seconds: a slow second click is a click of its own.
  return static_cast<quint64>(std::clamp(QGuiApplication::styleHints()->mouseDoubleClickInterval(), 100, 600));
}

void ClickGuard::opened(QWidget* window) {
  ClickGuard& guard = instance();
  std::erase_if(guard.opened_, [&](const Opened& o) { return o.window == nullptr || o.window == window; });
  guard.opened_.push_back({window, guard.clicks_});
}

bool ClickGuard::openedSinceLastClick(const QWidget* window) const {
  return std::any_of(opened_.begin(), opened_.end(),
                     [&](const Opened& o) { return o.window == window && o.click == clicks_; });
}

bool ClickGuard::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease) {
    return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr) return false;
  const quint64 time = static_cast<QMouseEvent*>(event)->timestamp();
  if (type == QEvent::MouseButtonRelease) {
    if (dropping_) {
      dropping_ = false;  // the end of a dropped click
      return true;
    }
    // A release passed on to the parent widgets is still the same click.
    if (clicks_ == 0 || time != lastRelease_) ++clicks_;
    lastRelease_ = time;
    return false;
  }
  if (type == QEvent::MouseButtonDblClick && dropping_) return true;
  dropping_ = clicks_ > 0 && time >= lastRelease_ && time - lastRelease_ <= span() &&
              openedSinceLastClick(widget->window());
  return dropping_;
}

}  // namespace velkaro::qt
