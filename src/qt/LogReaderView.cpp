#include "qt/LogReaderView.h"

#include <algorithm>

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "qt/PageKeys.h"
#include "qt/ScreenRoom.h"

namespace velkaro::qt {

namespace {
// The width the log's lines are laid out for; a wider window gives the text all of its width.
constexpr int kViewportWidth = 900;
// The margins and the button row round the frame.
constexpr int kChromeHeight = 90;
}

LogReaderView::LogReaderView(LogReader& screen, QtUi& ui) : ScreenView(screen, ui), reader_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);

  frame_ = new QFrame(this);
  frame_->setFrameShape(QFrame::StyledPanel);
  frame_->setStyleSheet("QFrame#frame { background: #f4efe2; }");
  frame_->setObjectName("frame");
  auto* inner = new QHBoxLayout(frame_);
  inner->setContentsMargins(8, 0, 0, 0);
  viewport_ = new QFrame(frame_);
  viewport_->setMinimumWidth(kViewportWidth);
  viewport_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  text_ = new QLabel(viewport_);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setTextFormat(Qt::PlainText);
  text_->setStyleSheet("QLabel { color: #2b2112; }");
  bar_ = new QScrollBar(Qt::Vertical, frame_);
  inner->addWidget(viewport_, 1);
  inner->addWidget(bar_);
  layout->addWidget(frame_);
  viewport_->installEventFilter(this);
  text_->installEventFilter(this);
  // The frame as tall as the screen has room for, the buttons below it included: a low screen
  // shows fewer lines at a time and scrolls to the rest.
  const int room = ScreenRoom::inside().height() - kChromeHeight;
  const int fitting = room * LogReader::kLineHeight / std::max(1, text_->fontMetrics().lineSpacing());
  reader_.Picture1Height = std::clamp(fitting, 20 * LogReader::kLineHeight, reader_.Picture1Height);

  auto* row = new QHBoxLayout();
  // 前ページ, 次ページ, 最終ページ, then 閉 at the right.
  for (int i : {1, 2, 3, 0}) {
    auto* b = new QPushButton(this);
    b->setMinimumSize(130, 36);
    b->setAutoDefault(false);
    buttons_[static_cast<std::size_t>(i)] = b;
    if (i == 0) row->addStretch();
    row->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, i] { act([this, i] { reader_.Command1_Click(i); }); });
  }
  layout->addLayout(row);

  connect(bar_, &QScrollBar::valueChanged, this, [this](int v) { scrollTo(v); });
  setFocusPolicy(Qt::StrongFocus);
  PageKeys::attach(
      this, bar_,
      [this](int index) { act([this, index] { reader_.Command1_Click(index); }); },
      [this](int index) { return reader_.Command1[static_cast<std::size_t>(index)].enabled; });
}

int LogReaderView::px(int units) const {
  // One text line of the font is 190 layout units.
  return units * text_->fontMetrics().lineSpacing() / LogReader::kLineHeight;
}

QSize LogReaderView::preferredSize() const {
  return {kViewportWidth + 60, px(reader_.Picture1Height) + kChromeHeight};
}

void LogReaderView::scrollTo(int barValue) {
  // The game's bar runs from 0 down to a negative maximum; Qt's runs upwards from 0.
  act([this, barValue] {
    reader_.VScroll1.value = -barValue;
    reader_.VScroll1_Change();
  });
}

void LogReaderView::refresh() {
  frame_->setFixedHeight(px(reader_.Picture1Height));
  viewport_->setFixedHeight(px(reader_.Picture2Height));
  text_->setText(text(reader_.dspMsg.caption));
  placeText();
  {
    const QSignalBlocker blocker(bar_);
    bar_->setRange(0, -reader_.VScroll1.max);
    bar_->setPageStep(reader_.VScroll1.largeChange);
    bar_->setSingleStep(reader_.VScroll1.smallChange);
    bar_->setValue(-reader_.VScroll1.value);
    bar_->setEnabled(reader_.VScroll1.max < 0);
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) show(buttons_[i], reader_.Command1[i]);
}

void LogReaderView::placeText() {
  text_->setGeometry(0, px(reader_.dspMsgTop), viewport_->width(), px(reader_.dspMsgHeight));
}

bool LogReaderView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && watched == viewport_) placeText();
  if (event->type() == QEvent::Wheel && (watched == viewport_ || watched == text_)) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const int steps = wheel->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(steps) * 3; ++i) {
      bar_->triggerAction(steps > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
    }
    return true;
  }
  return ScreenView::eventFilter(watched, event);
}

}  // namespace velkaro::qt
