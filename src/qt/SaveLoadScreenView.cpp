#include "qt/SaveLoadScreenView.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/QtUi.h"

namespace velkaro::qt {

SaveLoadScreenView::SaveLoadScreenView(SaveLoadScreen& screen, QtUi& ui) : ScreenView(screen, ui), svld_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 20);
  layout->setSpacing(12);

  hint_ = new QLabel(this);
  hint_->setAlignment(Qt::AlignCenter);
  layout->addWidget(hint_);

  number_ = new QLabel(this);
  number_->setAlignment(Qt::AlignCenter);
  number_->setMinimumHeight(56);
  number_->setFrameShape(QFrame::StyledPanel);
  number_->setStyleSheet("QLabel { background: #fbf7ec; color: #3a2a12; font-size: 22pt; padding: 4px; }");
  layout->addWidget(number_);

  auto* pad = new QGridLayout();
  pad->setSpacing(8);
  auto makeButton = [this](int minWidth) {
    auto* b = new QPushButton(this);
    b->setMinimumSize(minWidth, 52);
    b->setAutoDefault(false);
    // A click leaves the keyboard with the pad, so Enter after clicked digits is still 決定;
    // Tab reaches every key, and Enter then presses the key reached.
    b->setFocusPolicy(Qt::TabFocus);
    QFont f = b->font();
    f.setPointSizeF(f.pointSizeF() * 1.25);
    b->setFont(f);
    return b;
  };
  for (int d = 0; d < 10; ++d) {
    digits_[static_cast<std::size_t>(d)] = makeButton(90);
    connect(digits_[static_cast<std::size_t>(d)], &QPushButton::clicked, this, [this, d] {
      act([this, d] { svld_.Command1_Click(d); });
    });
  }
  // A telephone-style pad: 7 8 9 on top, 0 beside 取消 at the bottom.
  for (int d = 1; d <= 9; ++d) pad->addWidget(digits_[static_cast<std::size_t>(d)], 2 - (d - 1) / 3, (d - 1) % 3);
  pad->addWidget(digits_[0], 3, 0);
  command2_[0] = makeButton(90);
  pad->addWidget(command2_[0], 3, 1, 1, 2);
  layout->addLayout(pad);

  auto* row = new QHBoxLayout();
  command2_[1] = makeButton(120);
  back_ = makeButton(120);
  row->addWidget(command2_[1]);
  row->addWidget(back_);
  layout->addLayout(row);
  layout->addStretch();

  setFocusPolicy(Qt::StrongFocus);
  connect(command2_[0], &QPushButton::clicked, this, [this] { act([this] { svld_.Command2_Click(0); }); });
  connect(command2_[1], &QPushButton::clicked, this, [this] { decide(); });
  connect(back_, &QPushButton::clicked, this, [this] { act([this] { svld_.Command3_Click(); }); });
}

void SaveLoadScreenView::refresh() {
  if (!focusPlaced_) {
    focusPlaced_ = true;
    setFocus(Qt::OtherFocusReason);
  }
  show(number_, svld_.Lab_num);
  show(hint_, svld_.Hlp);
  for (std::size_t d = 0; d < digits_.size(); ++d) show(digits_[d], svld_.Command1[d]);
  show(command2_[0], svld_.Command2[0]);
  show(command2_[1], svld_.Command2[1]);
  show(back_, svld_.Command3);
}

void SaveLoadScreenView::decide() {
  const bool saving = svld_.context().newOrLoaded == SaveLoadScreen::kSaveMode;
  const std::string number = svld_.typedNumber();
  act([this] { svld_.Command2_Click(1); });
  // The save is told in the main window's status line: a box to answer would add a step.
  if (saving && svld_.closed && svld_.context().confirmResult == 1) {
    ui_.showStatus(QString::fromUtf8("スロット%1にセーブしました。").arg(QString::fromStdString(number)));
  }
}

bool SaveLoadScreenView::focusOnButton() const {
  // Enter on a button that has the keyboard presses that button (the window sees to it).
  const auto* focused = qobject_cast<const QPushButton*>(focusWidget());
  return focused != nullptr;
}

void SaveLoadScreenView::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int digit = key - Qt::Key_0;
    act([this, digit] { svld_.Command1_Click(digit); });
  } else if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
    act([this] { svld_.Command2_Click(0); });
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !focusOnButton()) {
    decide();
  } else {
    ScreenView::keyPressEvent(event);
    return;
  }
  event->accept();
}

}  // namespace velkaro::qt
