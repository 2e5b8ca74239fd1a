#include "qt/StrategyExplanationView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/QtUi.h"

namespace velkaro::qt {

StrategyExplanationView::StrategyExplanationView(StrategyExplanation& screen, QtUi& ui) : ScreenView(screen, ui), strate_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  heading_ = new QLabel(this);
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.3);
  big.setBold(true);
  heading_->setFont(big);
  heading_->setWordWrap(true);
  layout->addWidget(heading_);
  text_ = new QLabel(this);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  text_->setMargin(6);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(text_);
  scroll->setWidgetResizable(true);
  layout->addWidget(scroll, 1);
  auto* row = new QHBoxLayout();
  buttons_[2] = new QPushButton(this);
  buttons_[1] = new QPushButton(this);
  buttons_[0] = new QPushButton(this);
  row->addWidget(buttons_[2]);
  row->addStretch(1);
  row->addWidget(buttons_[1]);
  row->addWidget(buttons_[0]);
  layout->addLayout(row);
  for (int i = 0; i < 3; ++i) {
    buttons_[static_cast<std::size_t>(i)]->setMinimumSize(110, 34);
    connect(buttons_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { act([this, i] { strate_.Command1_Click(i); }); });
  }
  for (QPushButton* b : buttons_) b->setAutoDefault(false);
  buttons_[1]->setDefault(true);
}

void StrategyExplanationView::refresh() {
  show(heading_, strate_.Label1);
  show(text_, strate_.Lab_txt);
  for (std::size_t i = 0; i < 3; ++i) show(buttons_[i], strate_.Command1[i]);
  // Enter confirms where confirming is possible, otherwise it goes back.
  buttons_[1]->setDefault(strate_.Command1[1].enabled);
  buttons_[0]->setDefault(!strate_.Command1[1].enabled);
  // The keyboard starts where Enter goes: on 決定, not on the officer's data.
  if (!focusPlaced_) {
    focusPlaced_ = true;
    (strate_.Command1[1].enabled ? buttons_[1] : buttons_[0])->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace velkaro::qt
