#include "qt/ScreenView.h"

#include <QLabel>
#include <QListWidget>
#include <QBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>

#include "qt/QtUi.h"

namespace velkaro::qt {

void ScreenView::act(const std::function<void()>& event) { ui_.dispatch(event); }

QString ScreenView::text(const std::string& utf8) {
  QString s = QString::fromStdString(utf8);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

void ScreenView::show(QLabel* widget, const Label& label) {
  widget->setText(text(label.caption));
  widget->setVisible(label.visible);
  widget->setEnabled(label.enabled);
  widget->setToolTip(text(label.toolTip));
}

void ScreenView::show(QPushButton* widget, const Button& button) {
  widget->setText(text(button.caption));
  widget->setVisible(button.visible);
  widget->setEnabled(button.enabled);
  widget->setToolTip(text(button.toolTip));
}

void ScreenView::show(QListWidget* widget, const ListBox& list) {
  const QSignalBlocker blocker(widget);
  bool same = widget->count() == list.listCount();
  for (int i = 0; same && i < list.listCount(); ++i) same = widget->item(i)->text() == text(list.text(i));
  if (!same) {
    widget->clear();
    for (const auto& item : list.items) widget->addItem(text(item.text));
  }
  widget->setSelectionMode(list.multiSelect ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
  if (list.multiSelect) {
    for (int i = 0; i < list.listCount(); ++i) widget->item(i)->setSelected(list.selected(i));
  } else if (list.valid(list.listIndex)) {
    widget->setCurrentRow(list.listIndex);
  } else {
    widget->clearSelection();
  }
  widget->setVisible(list.visible);
  widget->setEnabled(list.enabled);
  widget->setToolTip(text(list.toolTip));
  setBackground(widget, list.backColour);
}

void ScreenView::setBackground(QWidget* widget, std::uint32_t colour, std::uint32_t windowColour) {
  // Through a style sheet of the widget's own: under the program's style sheet (the scroll
  // bars) Qt draws lists and labels without the colours of their palettes.
  const std::uint32_t shown = colour == kWindowColour ? windowColour : colour;
  const QString rule = shown == kWindowColour
                           ? QString()
                           : QStringLiteral("%1 { background-color: #%2; }")
                                 .arg(QString::fromUtf8(widget->metaObject()->className()))
                                 .arg(shown & 0xFFFFFFu, 6, 16, QChar('0'));
  if (widget->styleSheet() != rule) widget->setStyleSheet(rule);
}

QPushButton* ScreenView::addButton(QBoxLayout* row, const std::function<void()>& event) {
  auto* button = new QPushButton(this);
  button->setMinimumSize(130, 36);
  button->setAutoDefault(false);
  row->addWidget(button);
  connect(button, &QPushButton::clicked, this, [this, event] { act(event); });
  return button;
}

void ScreenView::takeSelection(QListWidget* widget, ListBox& list) {
  for (int i = 0; i < list.listCount() && i < widget->count(); ++i) list.setSelected(i, widget->item(i)->isSelected());
}

}  // namespace velkaro::qt
