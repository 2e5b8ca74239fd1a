#include "qt/PageKeys.h"

#include <QAbstractSlider>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace velkaro::qt {

PageKeys::PageKeys(QWidget* window, QAbstractSlider* bar, std::function<void(int)> press,
                   std::function<bool(int)> enabled)
    : QObject(window), bar_(bar), press_(std::move(press)), enabled_(std::move(enabled)) {
  const auto bind = [this, window](Qt::Key key, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(QKeySequence(key), window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  bind(Qt::Key_PageUp, [this] { turn(kPrevious); });
  bind(Qt::Key_PageDown, [this] { turn(kNext); });
  bind(Qt::Key_End, [this] { turn(kLast); });
  bind(Qt::Key_Home, [this] { first(); });
  bind(Qt::Key_Up, [this] { bar_->triggerAction(QAbstractSlider::SliderSingleStepSub); });
  bind(Qt::Key_Down, [this] { bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
}

void PageKeys::attach(QWidget* window, QAbstractSlider* bar, std::function<void(int)> press,
                      std::function<bool(int)> enabled) {
  new PageKeys(window, bar, std::move(press), std::move(enabled));  // owned by the window
}

bool PageKeys::scrollOn(QAbstractSlider* bar) {
  if (bar->value() >= bar->maximum()) return false;
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
  return true;
}

bool PageKeys::scrollBack(QAbstractSlider* bar) {
  if (bar->value() <= bar->minimum()) return false;
  bar->triggerAction(QAbstractSlider::SliderPageStepSub);
  return true;
}

void PageKeys::turn(int index) {
  // No line of a page is passed over unseen: the page is read to its foot before the next one.
  if (index == kNext && scrollOn(bar_)) return;
  if (index == kPrevious && scrollBack(bar_)) return;
  if (enabled_(index)) press_(index);
}

void PageKeys::first() {
  // The screens have no first-page button: go back until there is no page before.
  for (int guard = 0; guard < 10000 && enabled_(kPrevious); ++guard) press_(kPrevious);
}

}  // namespace velkaro::qt
