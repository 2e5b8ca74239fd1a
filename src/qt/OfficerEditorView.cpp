#include "qt/OfficerEditorView.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkaro::qt {

OfficerEditorView::OfficerEditorView(OfficerEditor& screen, QtUi& ui) : ScreenView(screen, ui), editor_(screen) {
  setMouseTracking(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 12);
  name_ = new QLabel(this);
  name_->setStyleSheet("QLabel { font-size: 20pt; font-weight: bold; color: #3a2a12; }");
  layout->addWidget(name_);

  job_ = new QComboBox(this);
  job_->setMinimumWidth(160);
  job_->setMaximumWidth(220);
  layout->addWidget(job_);
  connect(job_, &QComboBox::activated, this, [this](int index) {
    act([this, index] {
      editor_.cmbJob.listIndex = index;
      editor_.cmbJob_Click();
    });
  });

  auto bindBox = [this](QLineEdit* edit, TextBox& box) {
    edit->setMaximumWidth(90);
    edit->setAlignment(Qt::AlignRight);
    connect(edit, &QLineEdit::textEdited, this, [&box](const QString& value) { box.text = value.toStdString(); });
    connect(edit, &QLineEdit::returnPressed, this, [this] { act([this] { editor_.cmdEdit_Click(); }); });
  };
  auto* abilities = new QGroupBox(this);
  auto* form = new QFormLayout(abilities);
  form->setLabelAlignment(Qt::AlignLeft);
  for (std::size_t k = 0; k < boxes_.size(); ++k) {
    kinds_[k] = new QLabel(abilities);
    boxes_[k] = new QLineEdit(abilities);
    bindBox(boxes_[k], editor_.Skl_Lab[k]);
    form->addRow(kinds_[k], boxes_[k]);
  }
  auto* fixed = new QGroupBox(this);
  auto* fixedForm = new QFormLayout(fixed);
  for (std::size_t k = 0; k < fixedBoxes_.size(); ++k) {
    fixedKinds_[k] = new QLabel(fixed);
    fixedBoxes_[k] = new QLineEdit(fixed);
    bindBox(fixedBoxes_[k], editor_.Fix_Lab[k]);
    fixedForm->addRow(fixedKinds_[k], fixedBoxes_[k]);
  }
  auto* boxes = new QHBoxLayout();
  boxes->addWidget(abilities, 1);
  boxes->addWidget(fixed, 1);
  layout->addLayout(boxes);
  layout->addStretch();

  hint_ = new QLabel(this);
  hint_->setMinimumHeight(24);
  layout->addWidget(hint_);

  auto* row = new QHBoxLayout();
  ok_ = new QPushButton(this);
  reset_ = new QPushButton(this);
  cancel_ = new QPushButton(this);
  for (QPushButton* b : {ok_, reset_, cancel_}) {
    b->setMinimumSize(110, 36);
    b->setAutoDefault(false);
  }
  row->addWidget(ok_);
  row->addWidget(reset_);
  row->addStretch();
  row->addWidget(cancel_);
  layout->addLayout(row);
  connect(ok_, &QPushButton::clicked, this, [this] { act([this] { editor_.cmdEdit_Click(); }); });
  connect(reset_, &QPushButton::clicked, this, [this] { act([this] { editor_.cmdInit_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] { act([this] { editor_.Command1_Click(); }); });
}

void OfficerEditorView::show(QLineEdit* widget, const TextBox& box) {
  // Only a change from the screen is drawn, so the cursor stays where the user is typing.
  const QString value = text(box.text);
  if (widget->text() != value) widget->setText(value);
  widget->setVisible(box.visible);
  widget->setEnabled(box.enabled);
  widget->setReadOnly(box.locked);
}

void OfficerEditorView::refresh() {
  show(name_, editor_.Name_lab);
  {
    const QSignalBlocker blocker(job_);
    if (job_->count() != editor_.cmbJob.listCount()) {
      job_->clear();
      for (const auto& item : editor_.cmbJob.items) job_->addItem(text(item.text));
    }
    job_->setCurrentIndex(editor_.cmbJob.listIndex);
  }
  for (std::size_t k = 0; k < boxes_.size(); ++k) {
    show(kinds_[k], editor_.Skl_Kind[k]);
    show(boxes_[k], editor_.Skl_Lab[k]);
  }
  for (std::size_t k = 0; k < fixedBoxes_.size(); ++k) {
    show(fixedKinds_[k], editor_.Fix_Kind[k]);
    show(fixedBoxes_[k], editor_.Fix_Lab[k]);
  }
  show(hint_, editor_.Hlp);
  show(ok_, editor_.cmdEdit);
  show(reset_, editor_.cmdInit);
  show(cancel_, editor_.Command1);
}

void OfficerEditorView::mouseMoveEvent(QMouseEvent* event) {
  if (!editor_.Hlp.caption.empty()) act([this] { editor_.Back_MouseMove(); });
  ScreenView::mouseMoveEvent(event);
}

}  // namespace velkaro::qt
