#include "qt/RowChooser.h"

#include <QKeyEvent>
#include <QListWidget>

namespace velkaro::qt {

RowChooser::RowChooser(QListWidget* list, std::function<void(int row)> chosen, Keys keys)
    : QObject(list), list_(list), chosen_(std::move(chosen)), keys_(keys) {
  connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { chosen_(list_->row(item)); });
  list->installEventFilter(this);
}

void RowChooser::attach(QListWidget* list, std::function<void(int row)> chosen, Keys keys) {
  new RowChooser(list, std::move(chosen), keys);  // owned by the list
}

bool RowChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool space = key == Qt::Key_Space && keys_ == Keys::EnterOrSpace;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || space) && list_->currentRow() >= 0) {
      chosen_(list_->currentRow());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velkaro::qt
