#include "qt/RowChooser.h"

#include <QKeyEvent>
#include <QListWidget>

namespace velkaro::qt {

RowChooser::RowChooser(QListWidget* list, std::function<void(int row)> chosen)
    : QObject(list), list_(list), chosen_(std::move(chosen)) {
  connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chosen_(list_->row(item)); });
  list->installEventFilter(this);
}

void RowChooser::attach(QListWidget* list, std::function<void(int row)> chosen) {
  new RowChooser(list, std::move(chosen));  // owned by the list
}

bool RowChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && list_->currentRow() >= 0) {
      chosen_(list_->currentRow());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velkaro::qt
