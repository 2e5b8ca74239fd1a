#pragma once
// Calls back with the row of a list that the user chooses: a mouse click on it, or Enter or
// Space on the current row (Enter alone in a list where Space picks rows, such as the title's
// 君主名 list). (Qt's itemActivated also fires on single clicks under some styles, which would
// open a screen twice.)
#include <QObject>
#include <functional>

class QListWidget;

namespace velkaro::qt {

class RowChooser : public QObject {
  Q_OBJECT
 public:
  enum class Keys { EnterOrSpace, EnterOnly };
  static void attach(QListWidget* list, std::function<void(int row)> chosen, Keys keys = Keys::EnterOrSpace);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  RowChooser(QListWidget* list, std::function<void(int row)> chosen, Keys keys);
  QListWidget* list_;
  std::function<void(int row)> chosen_;
  Keys keys_;
};

}  // namespace velkaro::qt
