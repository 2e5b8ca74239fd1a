#include "qt/FactionDetailView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/RowChooser.h"

namespace velkaro::qt {

FactionDetailView::FactionDetailView(FactionDetail& screen, QtUi& ui) : ScreenView(screen, ui), gdata_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);

  // Picture1: a decorated band with the faction's name.
  title_ = new QLabel(this);
  title_->setAlignment(Qt::AlignCenter);
  title_->setMinimumHeight(48);
  title_->setStyleSheet(
      "QLabel { color: #f3e3b5; font-size: 18pt; font-weight: bold;"
      " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1d2a44, stop:1 #6b2d1f); }");
  layout->addWidget(title_);

  auto* body = new QHBoxLayout();
  auto* figuresBox = new QGroupBox(this);
  auto* figuresLayout = new QVBoxLayout(figuresBox);
  auto* pair = new QHBoxLayout();
  headings_ = new QLabel(figuresBox);
  figures_ = new QLabel(figuresBox);
  figures_->setAlignment(Qt::AlignRight | Qt::AlignTop);
  headings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont big = figures_->font();
  big.setPointSizeF(big.pointSizeF() * 1.15);
  headings_->setFont(big);
  figures_->setFont(big);
  pair->addWidget(headings_);
  pair->addSpacing(16);
  pair->addWidget(figures_);
  figuresLayout->addLayout(pair);
  note_ = new QLabel(figuresBox);
  note_->setWordWrap(true);
  note_->setStyleSheet("QLabel { color: #7a2e12; }");
  figuresLayout->addSpacing(12);
  figuresLayout->addWidget(note_);
  figuresLayout->addStretch();
  figuresBox->setMinimumWidth(180);
  body->addWidget(figuresBox);

  for (int i = 0; i < FactionDetail::kLists; ++i) {
    auto* frame = new QGroupBox(this);
    auto* inner = new QVBoxLayout(frame);
    auto* list = new QListWidget(frame);
    // Narrow enough that the whole window fits beside the title's 君主名 list.
    list->setMinimumWidth(68);
    inner->addWidget(list);
    frames_[static_cast<std::size_t>(i)] = frame;
    lists_[static_cast<std::size_t>(i)] = list;
    body->addWidget(frame, 1);
    RowChooser::attach(list, [this, i](int row) {
      act([this, i, row] {
        gdata_.Chr_lst[static_cast<std::size_t>(i)].listIndex = row;
        gdata_.Chr_lst_Click(i);
      });
    });
  }
  layout->addLayout(body, 1);

  auto* row = new QHBoxLayout();
  row->addStretch();
  for (int i : {1, 0}) buttons_[static_cast<std::size_t>(i)] = addButton(row, [this, i] { gdata_.Command1_Click(i); });
  layout->addLayout(row);
}

void FactionDetailView::refresh() {
  title_->setText(text(gdata_.faction().name));
  show(headings_, gdata_.Label1);
  show(figures_, gdata_.Label2);
  show(note_, gdata_.Txt_lab);
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    frames_[i]->setTitle(text(gdata_.Frame1[i].caption));
    show(lists_[i], gdata_.Chr_lst[i]);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) show(buttons_[i], gdata_.Command1[i]);
}

}  // namespace velkaro::qt
