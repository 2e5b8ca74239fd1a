#include "qt/QtUi.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "data/DataError.h"
#include "data/FileCache.h"
#include "qt/ClickGuard.h"
#include "qt/ScreenView.h"
#include "qt/ScreenWindow.h"

namespace velkaro::qt {

QtUi::QtUi() {
  if (QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance()) {
    QObject::connect(loop, &QAbstractEventDispatcher::aboutToBlock, [] { FileCache::shared().lookAgain(); });
  }
}

void QtUi::registerView(const std::string& screenName, ViewFactory factory) {
  factories_[screenName] = std::move(factory);
}

MsgResult QtUi::msgBox(const std::string& prompt, MsgStyle style, const std::string& title) {
  // The windows behind the question show the state it is about (the new year, whose turn).
  refreshAll();
  showPendingWindows();
  QString text = QString::fromStdString(prompt);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QWidget* parent = QApplication::activeWindow();
  if (parent == nullptr || !parent->isVisible()) {
    parent = nullptr;
    for (ScreenWindow* window : windows_) {
      if (window->isVisible()) parent = window;
    }
  }
  QMessageBox box(parent);
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(text);
  switch (style) {
    case MsgStyle::OkOnly:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgStyle::OkCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Cancel);
      break;
    case MsgStyle::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      break;
  }
  // Every question here gives something up on yes (the turn, the unsaved game, a slot, the
  // edits): a stray Enter must answer no. Esc answers no as well.
  box.setEscapeButton(style == MsgStyle::OkOnly ? static_cast<QAbstractButton*>(box.button(QMessageBox::Ok))
                                                : static_cast<QAbstractButton*>(box.defaultButton()));
  ClickGuard::opened(&box);
  if (messageWatcher_) messageWatcher_(box);
  switch (box.exec()) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return style == MsgStyle::YesNo ? MsgResult::No : MsgResult::Cancel;
  }
}

ScreenWindow* QtUi::makeWindow(Screen& screen) {
  ScreenView* view = nullptr;
  auto factory = factories_.find(screen.screenName());
  if (factory != factories_.end()) view = factory->second(screen, *this);
  auto* window = new ScreenWindow(screen, view, *this);
  if (!replacesOthers(screen)) {
    // The window the event came from: the active one, or else the last one shown.
    QWidget* opener = QApplication::activeWindow();
    for (auto it = windows_.rbegin(); opener == nullptr && it != windows_.rend(); ++it) {
      if ((*it)->isVisible()) opener = *it;
    }
    if (opener != nullptr) {
      if (auto* list = qobject_cast<QAbstractItemView*>(opener->focusWidget())) window->openedFrom(list);
    }
  }
  windows_.push_back(window);
  return window;
}

ScreenWindow* QtUi::find(const Screen& screen) const {
  for (ScreenWindow* window : windows_) {
    if (&window->screen() == &screen) return window;
  }
  return nullptr;
}

void QtUi::showPendingWindows() {
  // A screen that speaks while it loads (「曹操の番です。」) is shown first, so the message
  // is not asked over the window it replaces.
  const auto windows = windows_;
  for (ScreenWindow* window : windows) {
    if (window->owns() && !window->screen().closed && !window->isVisible()) {
      if (replacesOthers(window->screen())) hideReplaced(window);
      window->show();
      window->raise();
      window->activateWindow();
    }
  }
}

void QtUi::windowGone(ScreenWindow* window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
  replaced_.erase(std::remove(replaced_.begin(), replaced_.end(), window), replaced_.end());
}

bool QtUi::replacesOthers(const Screen& screen) {
  return screen.screenName() == "TitleScreen" || screen.screenName() == "MainScreen";
}

void QtUi::hideReplaced(ScreenWindow* incoming) {
  for (ScreenWindow* window : windows_) {
    if (window != incoming && window->owns() && window->isVisible() && replacesOthers(window->screen())) {
      window->hide();
      replaced_.push_back(window);
    }
  }
}

void QtUi::showStatus(const QString& line) {
  for (ScreenWindow* window : windows_) {
    if (!window->isVisible()) continue;
    if (auto* bar = window->findChild<QStatusBar*>()) bar->showMessage(line, 10000);
  }
}

void QtUi::watch(ScreenWindow* window) {
  if (windowWatcher_) windowWatcher_(*window);
}

void QtUi::showModal(Screen& screen) {
  ScreenWindow* window = makeWindow(screen);
  window->setModal(true);
  screen.closed = false;
  if (!dispatch([&] { screen.Form_Load(); })) screen.closed = true;
  if (!screen.closed) {
    refreshAll();
    window->placeBesideOpener();
    window->show();
    watch(window);
    window->exec();
  }
  screen.closed = true;
  delete window;
  refreshAll();
}

void QtUi::showModeless(std::unique_ptr<Screen> owned) {
  Screen& screen = *owned;
  ScreenWindow* window = makeWindow(screen);
  window->own(std::move(owned));
  replaced_.clear();
  screen.closed = false;
  if (!dispatch([&] { screen.Form_Load(); })) screen.closed = true;
  if (screen.closed) {
    // The window it was to replace comes back: the program never runs without a window.
    for (ScreenWindow* back : replaced_) {
      if (!back->screen().closed) back->show();
    }
    replaced_.clear();
    window->deleteLater();
    return;
  }
  replaced_.clear();
  window->refresh();
  if (!window->isVisible()) {
    if (replacesOthers(screen)) hideReplaced(window);
    window->placeBesideOpener();
    window->show();
  }
  watch(window);
}

void QtUi::close(Screen& screen) {
  screen.closed = true;
  ScreenWindow* window = find(screen);
  if (window == nullptr) return;
  window->syncTimers();
  if (window->owns()) {
    window->hide();
    window->deleteLater();
  } else {
    window->done(0);
  }
}

void QtUi::closeModeless(const std::string& screenName) {
  const auto windows = windows_;
  for (ScreenWindow* window : windows) {
    if (window->owns() && window->screen().screenName() == screenName && !window->screen().closed) {
      close(window->screen());
    }
  }
}

void QtUi::timersChanged(Screen& screen) {
  if (ScreenWindow* window = find(screen)) window->syncTimers();
}

void QtUi::refresh(Screen& screen) {
  if (ScreenWindow* window = find(screen)) window->refresh();
}

void QtUi::endProgram() {
  // Every file is written and closed within the call that changes it, so nothing is lost here.
  std::fflush(nullptr);
  std::quick_exit(0);
}

std::size_t QtUi::openWindows() const {
  std::size_t open = 0;
  for (const ScreenWindow* window : windows_) open += window->screenOpen() ? 1 : 0;
  return open;
}

void QtUi::refreshAll() {
  const auto windows = windows_;
  for (ScreenWindow* window : windows) {
    if (!window->screen().closed) window->refresh();
  }
}

bool QtUi::dispatch(const std::function<void()>& event) {
  bool ok = true;
  try {
    event();
  } catch (const DataError& e) {
    ok = false;
    msgBox(e.what(), MsgStyle::OkOnly, kGameTitle);
  }
  refreshAll();
  return ok;
}

}  // namespace velkaro::qt
