#include "qt/TitleScreenView.h"

#include <QEvent>
#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "qt/QtUi.h"
#include "qt/RowChooser.h"

namespace velkaro::qt {

TitleScreenView::TitleScreenView(TitleScreen& screen, QtUi& ui) : ScreenView(screen, ui), form_(screen) {
  setMouseTracking(true);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(16, 16, 16, 12);
  grid->setHorizontalSpacing(16);
  makeLists(grid);
  makeButtons(grid);
  // The 君主名 list is narrow (names are short): a ruler's detail opens to its left, beside it,
  // even on a 1024-pixel-wide screen.
  grid->setColumnStretch(0, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  grid->setRowStretch(2, 1);
  makeSplash();
  connectLists();
}

void TitleScreenView::makeLists(QGridLayout* grid) {
  for (int i = 0; i < 2; ++i) {
    headings_[i] = new QLabel(this);
    lists_[i] = new QListWidget(this);
    lists_[i]->setMouseTracking(true);
    lists_[i]->installEventFilter(this);
    lists_[i]->viewport()->installEventFilter(this);
    QFont big = lists_[i]->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    lists_[i]->setFont(big);
  }
  // Scenario list on the left, factions of the chosen scenario beside it.
  grid->addWidget(headings_[1], 0, 0);
  grid->addWidget(lists_[0], 1, 0);
  grid->addWidget(headings_[0], 0, 1);
  grid->addWidget(lists_[1], 1, 1, 2, 1);

  description_ = new QLabel(this);
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  description_->setMargin(8);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(description_);
  scroll->setWidgetResizable(true);
  scroll->setMinimumHeight(160);
  grid->addWidget(scroll, 2, 0);

  hint_ = new QLabel(this);
  hint_->setMinimumHeight(28);
  grid->addWidget(hint_, 3, 0, 1, 2);
}

void TitleScreenView::makeButtons(QGridLayout* grid) {
  auto* buttons = new QHBoxLayout();
  newGame_ = new QPushButton(this);
  command1_[1] = new QPushButton(this);
  restore_ = new QPushButton(this);
  command1_[0] = new QPushButton(this);
  for (QPushButton* b : {newGame_, command1_[1], restore_, command1_[0]}) {
    b->setMinimumSize(120, 36);
    // Enter on a list must never start or end a game: no button here is a default one.
    b->setAutoDefault(false);
    b->setDefault(false);
    buttons->addWidget(b);
  }
  buttons->insertStretch(3);
  grid->addLayout(buttons, 4, 0, 1, 2);
  connect(newGame_, &QPushButton::clicked, this, [this] { act([this] { form_.Command2_Click(); }); });
  connect(command1_[0], &QPushButton::clicked, this, [this] { act([this] { form_.Command1_Click(0); }); });
  connect(command1_[1], &QPushButton::clicked, this, [this] { act([this] { form_.Command1_Click(1); }); });
  connect(restore_, &QPushButton::clicked, this, [this] { act([this] { form_.cmdInit_Click(); }); });
}

void TitleScreenView::makeSplash() {
  picture_ = new QLabel(this);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setStyleSheet(
      "QLabel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1d2a44, stop:1 #6b2d1f); }");
  label1_ = new QLabel(picture_);
  label1_->setAlignment(Qt::AlignCenter);
  label1_->setStyleSheet("QLabel { color: #f3e3b5; background: transparent; font-size: 30pt; font-weight: bold; }");
  // The splash holds the keyboard while it is shown, so a key passes it as a click does.
  picture_->setFocusPolicy(Qt::StrongFocus);
  picture_->installEventFilter(this);
  label1_->installEventFilter(this);
  picture_->raise();
}

void TitleScreenView::chooseScenario(int row) {
  act([this, row] {
    form_.List1[0].listIndex = row;
    form_.List1_Click(0);
  });
}

void TitleScreenView::connectLists() {
  // Arrow keys choose as they move; a mouse press is left to its click, so that clicking the
  // chosen scenario again shows its description again, and a click chooses only once.
  connect(lists_[0], &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton) chooseScenario(row);
  });
  RowChooser::attach(lists_[0], [this](int row) { chooseScenario(row); });
  connect(lists_[1], &QListWidget::itemSelectionChanged, this, [this] { takeSelection(lists_[1], form_.List1[1]); });
  // Enter opens the ruler's detail as a click does; Space is left to select him (rulerKey).
  RowChooser::attach(
      lists_[1],
      [this](int row) {
        act([this, row] {
          takeSelection(lists_[1], form_.List1[1]);
          form_.List1[1].listIndex = row;
          form_.List1_Click(1);
        });
      },
      RowChooser::Keys::EnterOnly);
}

void TitleScreenView::refresh() {
  show(picture_, form_.Picture1);
  picture_->setText(QString());
  show(label1_, form_.Label1);
  for (int i = 0; i < 2; ++i) {
    show(lists_[i], form_.List1[static_cast<std::size_t>(i)]);
    show(headings_[i], form_.Label2[static_cast<std::size_t>(i)]);
  }
  show(description_, form_.Lab_txt);
  show(hint_, form_.Hlp);
  show(newGame_, form_.Command2);
  show(command1_[0], form_.Command1[0]);
  show(command1_[1], form_.Command1[1]);
  show(restore_, form_.cmdInit);
  if (form_.Picture1.visible && !splashShown_) {
    picture_->setFocus(Qt::OtherFocusReason);
  } else if (!form_.Picture1.visible && splashShown_) {
    lists_[0]->setFocus(Qt::OtherFocusReason);
  }
  splashShown_ = form_.Picture1.visible;
}

bool TitleScreenView::splashKey(QKeyEvent* event) {
  switch (event->key()) {
    // A modifier held alone is no key press yet.
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
      return false;
    default:
      act([this] { form_.Picture1_Click(); });
      return true;
  }
}

bool TitleScreenView::rulerKey(QKeyEvent* event) {
  QListWidget* rulers = lists_[1];
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const int key = event->key();
  if (key == Qt::Key_Space && (mods == Qt::NoModifier || mods == Qt::ControlModifier)) {
    if (QListWidgetItem* item = rulers->currentItem()) item->setSelected(!item->isSelected());
    return true;
  }
  if ((key == Qt::Key_Up || key == Qt::Key_Down) && mods == Qt::ShiftModifier) {
    const int from = rulers->currentRow();
    if (from < 0) return false;
    const int to = std::clamp(from + (key == Qt::Key_Down ? 1 : -1), 0, rulers->count() - 1);
    rulers->item(from)->setSelected(true);
    rulers->setCurrentRow(to, QItemSelectionModel::Select);
    return true;
  }
  return false;
}

bool TitleScreenView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == picture_ && splashKey(key)) return true;
    if (watched == lists_[1] && rulerKey(key)) return true;
  }
  const bool press = event->type() == QEvent::MouseButtonPress;
  if (press && (watched == picture_ || watched == label1_)) {
    act([this, watched] {
      if (watched == label1_) {
        form_.Label1_Click();
      } else {
        form_.Picture1_Click();
      }
    });
    return true;
  }
  if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
    for (int i = 0; i < 2; ++i) {
      if (watched == lists_[i] || watched == lists_[i]->viewport()) {
        act([this, i] { form_.List1_MouseMove(i); });
      }
    }
  }
  return ScreenView::eventFilter(watched, event);
}

void TitleScreenView::mouseMoveEvent(QMouseEvent* event) {
  act([this] { form_.Back_MouseMove(); });
  ScreenView::mouseMoveEvent(event);
}

void TitleScreenView::resizeEvent(QResizeEvent* event) {
  picture_->setGeometry(rect());
  label1_->setGeometry(picture_->rect());
  ScreenView::resizeEvent(event);
}

}  // namespace velkaro::qt
