#pragma once
// The one key map of the paged text windows (the resolution screen and the log reader):
// PageDown shows the rest of a page taller than the window a screenful at a time and turns to
// the next page only from its foot (PageUp likewise back up), Home goes to the first page and
// End to the last, the arrow keys scroll the text of the page.
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
  // Scrolls a screenful towards the page's foot (or its head); false when already there.
  static bool scrollOn(QAbstractSlider* bar);
  static bool scrollBack(QAbstractSlider* bar);

 private:
  PageKeys(QWidget* window, QAbstractSlider* bar, std::function<void(int)> press, std::function<bool(int)> enabled);
  void turn(int index);
  void first();

  QAbstractSlider* bar_;
  std::function<void(int)> press_;
  std::function<bool(int)> enabled_;
};

}  // namespace velkaro::qt
