#pragma once
// Keeps the second click of a double-click out of a window that the first click opened: a
// press on a window shown since the last click ended, coming within the double-click time of
// it, is dropped with the rest of that click. (A double-click on the narration's 閉 closed the
// year-end report that opened under the pointer.) The times are the events' own, so a slow
// year-end between the two clicks changes nothing.
#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace velkaro::qt {

class ClickGuard : public QObject {
  Q_OBJECT
 public:
  // Called as a window is shown; the guard watches the mouse from the first call on.
  static void opened(QWidget* window);
  // How long after a click a press still counts as its second half, in milliseconds.
  static quint64 span();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ClickGuard();
  static ClickGuard& instance();
  bool openedSinceLastClick(const QWidget* window) const;

  struct Opened {
    QPointer<QWidget> window;
    quint64 click;  // the number of clicks that had ended when it was shown
  };
  std::vector<Opened> opened_;
  quint64 clicks_ = 0;
  quint64 lastRelease_ = 0;
  bool dropping_ = false;
};

}  // namespace velkaro::qt
