#include "qt/ResolutionScreenView.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/PageKeys.h"
#include "qt/QtUi.h"

namespace velkaro::qt {

ResolutionScreenView::ResolutionScreenView(ResolutionScreen& screen, QtUi& ui) : ScreenView(screen, ui), msg_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(10);

  caution_ = new QLabel(this);
  caution_->setAlignment(Qt::AlignCenter);
  caution_->setStyleSheet("QLabel { color: #b00000; font-weight: bold; }");
  layout->addWidget(caution_);

  picture1_ = new QScrollArea(this);
  // The keyboard starts on the text, where Enter reads on; a button has it only when reached
  // with Tab (then Enter presses that button).
  picture1_->setFocusPolicy(Qt::StrongFocus);
  picture1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  picture1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // The label follows the viewport's width; its height is the text's, or more when asked for.
  picture1_->setWidgetResizable(true);
  picture1_->setStyleSheet("QScrollArea { background: #fbf8ef; border: 1px solid #8c7b5a; }");
  label1_ = new QLabel;
  label1_->setWordWrap(true);
  label1_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  label1_->setTextFormat(Qt::PlainText);
  label1_->setMargin(10);
  label1_->setStyleSheet("QLabel { background: #fbf8ef; color: #1f1a12; }");
  QFont font = label1_->font();
  font.setPointSizeF(font.pointSizeF() * 1.1);
  label1_->setFont(font);
  picture1_->setWidget(label1_);
  layout->addWidget(picture1_, 1);
  setFocusProxy(picture1_);

  auto* buttons = new QHBoxLayout();
  buttons->setSpacing(10);
  // Laid out as the game shows them: previous, next, last on the left, close on the right.
  for (int index : {1, 2, 3, 0}) {
    auto* button = new QPushButton(this);
    button->setAutoDefault(false);
    button->setMinimumSize(120, 34);
    command1_[index] = button;
    buttons->addWidget(button);
    if (index == 3) buttons->addStretch(1);
    connect(button, &QPushButton::clicked, this, [this, index] { press(index); });
  }
  layout->addLayout(buttons);

  // Keyboard: Enter reads on - the rest of a tall page first, then the next page, and closes
  // on the foot of the last page; the paging keys as in the log reader.
  const auto enter = [this] {
    // A button reached with Tab is the one Enter presses.
    for (int i = 0; i < 4; ++i) {
      if (command1_[i]->hasFocus()) {
        press(i);
        return;
      }
    }
    if (PageKeys::scrollOn(picture1_->verticalScrollBar())) return;
    press(msg_.Command1[2].enabled ? 2 : 0);
  };
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* s = new QShortcut(QKeySequence(key), this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, enter);
  }
  PageKeys::attach(this, picture1_->verticalScrollBar(), [this](int index) { press(index); },
                   [this](int index) { return msg_.Command1[static_cast<std::size_t>(index)].enabled; });

  connect(picture1_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int pixels) {
    // The core's bar runs from 0 down to a negative far end.
    msg_.VScroll1.value = std::max(msg_.VScroll1.max, -pixels * kUnitsPerPixel);
    msg_.VScroll1_Change();
  });
}

void ResolutionScreenView::press(int index) {
  if (!msg_.Command1[static_cast<std::size_t>(index)].enabled) return;
  act([this, index] { msg_.Command1_Click(index); });
}

void ResolutionScreenView::sizeText() {
  // The text is never cut off, whatever height was asked for: the layout gives the label at
  // least the height its text needs at the viewport's width.
  label1_->setMinimumHeight(std::max(0, msg_.Label1Area.height / kUnitsPerPixel));
}

void ResolutionScreenView::refresh() {
  const QString page = text(msg_.Label1.caption);
  const bool changed = page != shownPage_ || msg_.currentPage() != shownIndex_;
  label1_->setText(page);
  sizeText();
  if (changed) {
    picture1_->verticalScrollBar()->setValue(0);
    shownPage_ = page;
    shownIndex_ = msg_.currentPage();
  }
  show(caution_, msg_.Lbl_Caution);
  for (int i = 0; i < 4; ++i) show(command1_[i], msg_.Command1[static_cast<std::size_t>(i)]);
  const QString where = QString::fromUtf8("%1 / %2").arg(msg_.currentPage() + 1).arg(msg_.pageCount());
  command1_[3]->setToolTip(where);
  setWindowTitle(text(msg_.caption));
  if (!rolled_ && msg_.context().runMode == 0) {
    rolled_ = true;
    rollCredits();
  }
}

void ResolutionScreenView::rollCredits() {
  auto* roll = new QTimer(this);
  roll->setInterval(30);
  connect(roll, &QTimer::timeout, this, [this, roll] {
    if (!isVisible()) return;
    QScrollBar* bar = picture1_->verticalScrollBar();
    if (bar->value() >= bar->maximum()) {
      roll->stop();
      return;
    }
    bar->setValue(bar->value() + 3);
  });
  roll->start();
}

void ResolutionScreenView::resizeEvent(QResizeEvent* event) {
  ScreenView::resizeEvent(event);
  sizeText();
}

}  // namespace velkaro::qt
