#include "qt/OfficerStatusView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/ClickableLabel.h"

namespace velkaro::qt {

OfficerStatusView::OfficerStatusView(OfficerStatus& screen, QtUi& ui) : ScreenView(screen, ui), status_(screen) {
  setMouseTracking(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 12);

  auto* top = new QHBoxLayout();
  name_ = new QLabel(this);
  name_->setStyleSheet("QLabel { font-size: 20pt; font-weight: bold; color: #3a2a12; }");
  job_ = new QLabel(this);
  job_->setStyleSheet("QLabel { font-size: 14pt; color: #6b2d1f; }");
  top->addWidget(name_);
  top->addSpacing(16);
  top->addWidget(job_);
  top->addStretch();
  layout->addLayout(top);

  auto* abilities = new QGroupBox(this);
  auto* grid = new QHBoxLayout(abilities);
  QFont big = font();
  big.setPointSizeF(big.pointSizeF() * 1.15);
  for (int i = 0; i < 2; ++i) {
    kinds_[i] = new QLabel(abilities);
    values_[i] = new QLabel(abilities);
    kinds_[i]->setFont(big);
    values_[i]->setFont(big);
    kinds_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    values_[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    values_[i]->setMinimumWidth(36);
    grid->addWidget(kinds_[i]);
    grid->addWidget(values_[i]);
    grid->addSpacing(40);
  }
  grid->addStretch();
  layout->addWidget(abilities);

  comment_ = new ClickableLabel(this);
  comment_->setWordWrap(true);
  comment_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  comment_->setTextFormat(Qt::PlainText);
  comment_->setMargin(8);
  comment_->setStyleSheet("QLabel { background: #fbf7ec; } QLabel:focus { border: 1px solid #6b2d1f; }");
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(comment_);
  scroll->setWidgetResizable(true);
  scroll->setMinimumHeight(150);
  layout->addWidget(scroll, 1);
  connect(comment_, &ClickableLabel::hovered, this, [this] { act([this] { status_.Lab_cmt_MouseMove(); }); });
  connect(comment_, &ClickableLabel::clicked, this, [this] { act([this] { status_.Lab_cmt_Click(); }); });

  hint_ = new QLabel(this);
  hint_->setMinimumHeight(24);
  layout->addWidget(hint_);

  auto* row = new QHBoxLayout();
  edit_ = new QPushButton(this);
  back_ = new QPushButton(this);
  for (QPushButton* b : {edit_, back_}) {
    b->setMinimumSize(120, 36);
    b->setAutoDefault(false);
  }
  row->addWidget(edit_);
  row->addStretch();
  row->addWidget(back_);
  layout->addLayout(row);
  connect(edit_, &QPushButton::clicked, this, [this] { act([this] { status_.cmdEdit_Click(); }); });
  connect(back_, &QPushButton::clicked, this, [this] { act([this] { status_.Command1_Click(); }); });
}

void OfficerStatusView::refresh() {
  show(name_, status_.Name_lab);
  show(job_, status_.Label1);
  show(kinds_[0], status_.Skl_Kind[0]);
  show(values_[0], status_.Skl_Lab[1]);
  show(kinds_[1], status_.Skl_Kind[1]);
  show(values_[1], status_.Skl_Lab[2]);
  show(comment_, status_.Lab_cmt);
  comment_->setToolTip(QString());
  show(hint_, status_.Hlp);
  show(edit_, status_.cmdEdit);
  show(back_, status_.Command1);
}

void OfficerStatusView::mouseMoveEvent(QMouseEvent* event) {
  if (!status_.Hlp.caption.empty()) act([this] { status_.Back_MouseMove(); });
  ScreenView::mouseMoveEvent(event);
}

}  // namespace velkaro::qt
