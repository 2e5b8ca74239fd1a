#include "Walk.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QGuiApplication>
#include <QPixmap>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <string>

#include "game/GameScreens.h"
#include "qt/Views.h"

namespace fs = std::filesystem;
using velkaro::qt::ScreenWindow;

namespace {
Walk* theWalk = nullptr;

QString nameOf(QWidget* w) {
  if (w == nullptr) return {};
  if (qobject_cast<QMessageBox*>(w) != nullptr) return QStringLiteral("QMessageBox");
  if (auto* sw = qobject_cast<ScreenWindow*>(w)) return QString::fromStdString(sw->screen().screenName());
  return {};
}
}  // namespace

Walk::Walk(QElapsedTimer sinceStart) {
  theWalk = this;
  dir_ = fs::temp_directory_path() / ("velkaro-gui-" + std::to_string(QCoreApplication::applicationPid()));
  fs::remove_all(dir_);
  fs::create_directories(dir_);
  fs::copy(VELKARO_SHIPPED_INI, dir_ / "ini", fs::copy_options::recursive);
  context_ = std::make_unique<velkaro::GameContext>(velkaro::GamePaths(dir_));
  // The same game every run: the computer's choices and the battles replay.
  context_->rng.fixSeed(7);
  velkaro::qt::registerViews(ui_);
  ui_.setScreenMaker(velkaro::GameScreens::all());
  ui_.setMessageWatcher([this](QMessageBox& box) { messageShown(box); });
  ui_.setWindowWatcher([this](ScreenWindow& window) { windowShown(window); });
  qApp->installEventFilter(this);
  timeUntilPainted(QStringLiteral("起動 → タイトル画面"), QStringLiteral("TitleScreen"), sinceStart);
  ui_.showModeless(ui_.makeScreen(velkaro::ScreenKind::TitleScreen, *context_));
}

Walk::~Walk() {
  qApp->removeEventFilter(this);
  writeLatencyLog();
  std::error_code ec;
  fs::remove_all(dir_, ec);
  theWalk = nullptr;
}

Walk& Walk::game() { return *theWalk; }

ScreenWindow* Walk::window(const char* screenName) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* sw = qobject_cast<ScreenWindow*>(w);
    if (sw != nullptr && sw->isVisible() && sw->screen().screenName() == screenName) return sw;
  }
  return nullptr;
}

QPushButton* Walk::button(QWidget* in, const QString& caption) {
  for (QPushButton* b : in->findChildren<QPushButton*>()) {
    if (b->text() == caption) return b;
  }
  return nullptr;
}

QStringList Walk::rows(const QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

void Walk::shot(const char* name, QWidget* w) {
  const QByteArray folder = qgetenv("VELKARO_SCREENSHOTS");
  if (folder.isEmpty()) return;
  fs::create_directories(folder.toStdString());
  QTest::qWait(150);  // the last change drawn and on the display before the picture is taken
  // The whole screen, as the player sees it: where the window stands and what it covers.
  QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
  QPixmap picture = screen != nullptr ? screen->grabWindow(0) : QPixmap();
  if (picture.isNull()) picture = w->grab();
  picture.save(QString::fromUtf8(folder) + "/" + name + ".png");
}

bool Walk::everyButtonByTab(QWidget* window, QString* missing) {
  QList<QPushButton*> wanted;
  for (QPushButton* b : window->findChildren<QPushButton*>()) {
    if (b->isVisible() && b->isEnabled() && b->window() == window) wanted << b;
  }
  // Twice round the focus chain at most; every stop is a Tab the player presses.
  const int presses = 2 * static_cast<int>(window->findChildren<QWidget*>().size());
  for (int i = 0; i < presses && !wanted.isEmpty(); ++i) {
    QWidget* from = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QTest::keyClick(from, Qt::Key_Tab);
    wanted.removeAll(qobject_cast<QPushButton*>(window->focusWidget()));
  }
  if (missing != nullptr && !wanted.isEmpty()) *missing = wanted.front()->text();
  return wanted.isEmpty();
}

bool Walk::activate(QWidget* window) {
  // Keys reach menus and shortcuts only in the active window (a closed dialog leaves none).
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

bool Walk::menuItem(QWidget* window, Qt::Key menu, Qt::Key item) {
  if (!activate(window)) return false;
  QTest::keyClick(window, menu, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  if (popup == nullptr) return false;
  QTest::keyClick(popup, item);
  return true;
}

void Walk::clear() {
  messages.clear();
  yearBehind.clear();
  windows.clear();
  behind.clear();
}

void Walk::onWindow(const QString& screenName, Step step) { steps_.emplace_back(screenName, std::move(step)); }

void Walk::timeUntilPainted(const QString& what, const QString& screenName) {
  QElapsedTimer now;
  now.start();
  timeUntilPainted(what, screenName, now);
}

void Walk::timeUntilPainted(const QString& what, const QString& screenName, QElapsedTimer since) {
  pending_.push_back({what, screenName, since});
}

void Walk::settle() {
  QElapsedTimer waited;
  waited.start();
  while (!pending_.empty() && waited.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void Walk::messageShown(QMessageBox& box) {
  messages << box.text();
  QStringList visible;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && qobject_cast<ScreenWindow*>(w) != nullptr) visible << nameOf(w);
  }
  behind << visible;
  QString year;
  if (ScreenWindow* main = window("MainScreen")) {
    for (QLabel* label : main->findChildren<QLabel*>()) {
      if (label->text().contains(QStringLiteral("年の戦況"))) year = label->text();
    }
  }
  yearBehind << year;
  // An answer is a key pressed into the box or a button clicked; Enter when none is given.
  const int answer = answers_.isEmpty() ? Qt::Key_Return : answers_.takeFirst();
  const auto timing = fromAnswer_;
  fromAnswer_ = {};
  QTimer::singleShot(0, &box, [this, &box, answer, timing] {
    if (!timing.first.isEmpty()) timeUntilPainted(timing.first, timing.second);
    if (answer == kYesByKeys || answer == kOkByKeys) {
      // Should Tab not reach the button, Enter answers the default (いいえ) and the walk sees that.
      QAbstractButton* wanted = box.button(answer == kYesByKeys ? QMessageBox::Yes : QMessageBox::Ok);
      for (int i = 0; i < 4 && box.focusWidget() != wanted; ++i) {
        QTest::keyClick(box.focusWidget() != nullptr ? box.focusWidget() : &box, Qt::Key_Tab);
      }
      QTest::keyClick(box.focusWidget() != nullptr ? box.focusWidget() : &box, Qt::Key_Return);
    } else if (answer >= Qt::Key_Escape) {
      QTest::keyClick(&box, static_cast<Qt::Key>(answer));
    } else if (QAbstractButton* button = box.button(static_cast<QMessageBox::StandardButton>(answer))) {
      button->click();
    } else {
      QTest::keyClick(&box, Qt::Key_Escape);  // not a button of this box: the walk sees the wrong answer
    }
  });
}

void Walk::windowShown(ScreenWindow& window) {
  const QString name = nameOf(&window);
  windows << name;
  QPointer<ScreenWindow> shown(&window);
  if (!steps_.empty() && steps_.front().first == name) {
    Step step = std::move(steps_.front().second);
    steps_.erase(steps_.begin());
    QTimer::singleShot(0, &window, [shown, step, name] {
      if (shown == nullptr || !QTest::qWaitForWindowExposed(shown)) return;
      // The player's keys go to the window in front (the paging keys are its shortcuts).
      shown->activateWindow();
      if (!QTest::qWaitForWindowActive(shown)) qWarning() << "not active:" << name;
      step(*shown);
      // A step that failed half-way leaves its window open: it is closed, so that the walk
      // reports the failure instead of waiting for a player.
      if (shown != nullptr && shown->isModal() && !shown->screen().closed) shown->done(0);
    });
  } else if (window.isModal()) {
    // Not in the script: closed, so that the walk fails on what it saw instead of waiting.
    QTimer::singleShot(0, &window, [shown] {
      if (shown != nullptr) static_cast<QDialog*>(shown.data())->reject();
    });
  }
}

bool Walk::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && !pending_.empty()) {
    auto* w = qobject_cast<QWidget*>(watched);
    const QString name = w != nullptr ? nameOf(w->window()) : QString();
    for (auto it = pending_.begin(); it != pending_.end(); ++it) {
      if (it->screenName == name) {
        timings_.emplace_back(it->what, static_cast<double>(it->since.nsecsElapsed()) / 1e6);
        pending_.erase(it);
        break;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void Walk::writeLatencyLog() const {
  const QByteArray path = qgetenv("VELKARO_LATENCY_LOG");
  if (path.isEmpty()) return;
  QFile file(QString::fromUtf8(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
  QTextStream out(&file);
  out << "interaction\tms until the next window is drawn\n";
  for (const auto& [what, ms] : timings_) out << what << '\t' << QString::number(ms, 'f', 2) << '\n';
}
