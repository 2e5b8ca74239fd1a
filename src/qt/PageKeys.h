#pragma once
// The one key map of the paged text windows (the resolution screen and the log reader):
// PageUp / PageDown turn a page, Home goes to the first page and End to the last, the arrow
// keys scroll the text of the page.
#include <QObject>
#include <functional>

class QAbstractSlider;
class QWidget;

namespace velkaro::qt {

class PageKeys : public QObject {
  Q_OBJECT
 public:
  // The screen's page buttons, numbered as the screens number them.
  static constexpr int kPrevious = 1;
  static constexpr int kNext = 2;
  static constexpr int kLast = 3;

  // press(index) runs the page button when enabled(index); bar scrolls the page's text.
  static void attach(QWidget* window, QAbstractSlider* bar, std::function<void(int)> press,
                     std::function<bool(int)> enabled);

 private:
  PageKeys(QWidget* window, QAbstractSlider* bar, std::function<void(int)> press, std::function<bool(int)> enabled);
  void turn(int index);
  void first();

  QAbstractSlider* bar_;
  std::function<void(int)> press_;
  std::function<bool(int)> enabled_;
};

}  // namespace velkaro::qt
