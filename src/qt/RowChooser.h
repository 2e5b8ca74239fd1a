#pragma once
// Calls back with the row of a list that the user chooses: a mouse click on it, or Enter or
// Space on the current row. (Qt's itemActivated also fires on single clicks under some styles,
// which would open a screen twice.)
#include <QObject>
#include <functional>

class QListWidget;

namespace velkaro::qt {

class RowChooser : public QObject {
  Q_OBJECT
 public:
  static void attach(QListWidget* list, std::function<void(int row)> chosen);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  RowChooser(QListWidget* list, std::function<void(int row)> chosen);
  QListWidget* list_;
  std::function<void(int row)> chosen_;
};

}  // namespace velkaro::qt
