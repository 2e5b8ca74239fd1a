#include "qt/ScreenWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/ClickGuard.h"
#include "qt/QtUi.h"
#include "qt/ScreenRoom.h"
#include "qt/ScreenView.h"
#include "qt/WindowPlacement.h"

namespace velkaro::qt {

ScreenWindow::ScreenWindow(Screen& screen, ScreenView* view, QtUi& ui) : screen_(screen), view_(view), ui_(ui) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  if (view_ != nullptr) {
    layout->addWidget(view_);
    // The size the view asks for, as far as the screen the window opens on has room for it.
    resize(view_->preferredSize().boundedTo(ScreenRoom::inside().size()));
  }
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
}

ScreenWindow::~ScreenWindow() { ui_.windowGone(this); }

void ScreenWindow::syncTimers() {
  while (timers_.size() < screen_.timers.size()) {
    auto* timer = new QTimer(this);
    const int index = static_cast<int>(timers_.size());
    connect(timer, &QTimer::timeout, this, [this, index] {
      if (screen_.closed) return;
      ui_.dispatch([this, index] { screen_.Timer_Timer(index); });
    });
    timers_.push_back(timer);
  }
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    const Timer& wanted = screen_.timers[i];
    QTimer* timer = timers_[i];
    if (wanted.enabled && wanted.interval > 0 && !screen_.closed) {
      if (!timer->isActive() || timer->interval() != wanted.interval) timer->start(wanted.interval);
    } else {
      timer->stop();
    }
  }
}

void ScreenWindow::refresh() {
  setWindowTitle(QString::fromStdString(screen_.caption));
  if (view_ != nullptr) view_->refresh();
  syncTimers();
}

void ScreenWindow::placeBesideOpener() {
  if (openedFrom_ == nullptr || !openedFrom_->isVisible() || openedFrom_->screen() == nullptr) return;
  // The window's frame must neither cover the list nor leave the screen.
  const QMargins frame = ScreenRoom::frame();
  const QRect list = QRect(openedFrom_->mapToGlobal(QPoint(0, 0)), openedFrom_->size())
                         .marginsAdded(QMargins(frame.right(), frame.bottom(), frame.left(), frame.top()));
  const QRect area = ScreenRoom::inside(openedFrom_);
  const QRect place = WindowPlacement::beside(list, size(), minimumSizeHint(), area);
  if (place.isValid()) setGeometry(place);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
  // Enter presses the button that has the keyboard, whichever button is the window's default:
  // Tab to 戻る and Enter goes back, it does not confirm.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  auto* focused = qobject_cast<QPushButton*>(focusWidget());
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && focused != nullptr && focused->isVisible() &&
      focused->isEnabled()) {
    event->accept();
    focused->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void ScreenWindow::showEvent(QShowEvent* event) {
  ClickGuard::opened(this);
  QDialog::showEvent(event);
}

bool ScreenWindow::mayClose() {
  if (screen_.closed) return true;
  bool allowed = false;
  ui_.dispatch([&] { allowed = screen_.Form_QueryUnload(); });
  if (allowed) screen_.closed = true;
  return allowed;
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  if (!screen_.closed && view_ != nullptr && !view_->mayLeave()) {
    event->ignore();
    return;
  }
  if (!mayClose()) {
    event->ignore();
    return;
  }
  for (QTimer* timer : timers_) timer->stop();
  QDialog::closeEvent(event);
  if (owns()) deleteLater();
}

void ScreenWindow::reject() {
  if (view_ != nullptr) {
    if (!screen_.closed && !view_->mayLeave()) return;
    if (QPushButton* back = view_->escapeButton()) {
      if (back->isVisible() && back->isEnabled()) back->click();
      return;
    }
    if (!view_->escapeCloses()) return;
  }
  if (!mayClose()) return;
  for (QTimer* timer : timers_) timer->stop();
  QDialog::reject();
  if (owns()) deleteLater();
}

}  // namespace velkaro::qt
