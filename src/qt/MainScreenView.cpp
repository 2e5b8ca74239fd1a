#include "qt/MainScreenView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "qt/QtUi.h"
#include "qt/RowChooser.h"

namespace velkaro::qt {

MainScreenView::MainScreenView(MainScreen& screen, QtUi& ui) : ScreenView(screen, ui), main_(screen) {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 4, 10, 10);
  outer->setMenuBar(makeMenus());
  year_ = new QLabel(this);
  QFont yearFont = year_->font();
  yearFont.setPointSizeF(yearFont.pointSizeF() * 1.25);
  yearFont.setBold(true);
  year_->setFont(yearFont);
  outer->addWidget(year_);

  auto* body = new QHBoxLayout();
  outer->addLayout(body, 1);
  auto* grid = new QGridLayout();
  body->addLayout(grid, 1);
  for (int k = 0; k < kPanels; ++k) grid->addWidget(makePanel(k), k / 2, k % 2);
  body->addLayout(makePlayerColumn());
  // News that needs no answer (a finished save) shows here, without stopping the turn.
  auto* status = new QStatusBar(this);
  status->setSizeGripEnabled(false);
  outer->addWidget(status);
}

QMenuBar* MainScreenView::makeMenus() {
  auto* bar = new QMenuBar(this);
  QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
  QMenu* info = bar->addMenu(QStringLiteral("情報(&I)"));
  QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
  // The event holds the screen itself, not the view: with g++ 12, UBSan took the view's member
  // reached from the inner lambda for an object of the wrong type at the inner closure's address.
  auto item = [this](QMenu* menu, const char* text, void (MainScreen::*handler)()) {
    QAction* action = menu->addAction(QString::fromUtf8(text));
    MainScreen* screen = &main_;
    connect(action, &QAction::triggered, this, [this, screen, handler] { act([screen, handler] { (screen->*handler)(); }); });
    return action;
  };
  item(file, "セーブ(&S)", &MainScreen::cmdSave_Click)->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  item(file, "ロード(&L)", &MainScreen::cmdLoad_Click)->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
  item(file, "最初から(&N)", &MainScreen::newGame_Click);
  file->addSeparator();
  item(file, "終了(&X)", &MainScreen::exitGame_Click);
  item(info, "軍閥一覧(&A)", &MainScreen::cmdItiran_Click);
  item(info, "勢力推移(&H)", &MainScreen::cmdSuii_Click);
  item(tools, "ログを見る(&G)", &MainScreen::mnLog_Click);
  item(tools, "バージョン情報(&V)", &MainScreen::cmdVer_Click);
  // Menus are as wide as their longest item: a narrow style sheet must not elide them.
  for (QMenu* menu : {file, info, tools}) menu->setMinimumWidth(menu->sizeHint().width() + 40);
  info_ = info;
  return bar;
}

QGroupBox* MainScreenView::makePanel(int k) {
  const auto i = static_cast<std::size_t>(k);
  panels_[i] = new QGroupBox(this);
  auto* panel = new QGridLayout(panels_[i]);
  shozoku_[i] = new QLabel(panels_[i]);
  factions_[i] = new QListWidget(panels_[i]);
  menus_[i] = new QListWidget(panels_[i]);
  allianceHeads_[i] = new QLabel(panels_[i]);
  allianceValues_[i] = new QLabel(panels_[i]);
  allianceValues_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panel->addWidget(shozoku_[i], 0, 0);
  panel->addWidget(new QLabel(QStringLiteral("戦略"), panels_[i]), 0, 1);
  panel->addWidget(factions_[i], 1, 0);
  panel->addWidget(menus_[i], 1, 1);
  auto* totals = new QHBoxLayout();
  totals->addWidget(allianceHeads_[i]);
  totals->addWidget(allianceValues_[i]);
  totals->addStretch(1);
  panel->addLayout(totals, 2, 0, 1, 2);
  panel->setColumnStretch(0, 1);
  panel->setColumnStretch(1, 1);

  RowChooser::attach(menus_[i], [this, k](int row) { strategyChosen(k, row); });
  RowChooser::attach(factions_[i], [this, k](int row) {
    act([this, k, row] {
      main_.Gun_lst[static_cast<std::size_t>(k)].listIndex = row;
      main_.Gun_lst_Click(k);
    });
  });
  return panels_[i];
}

void MainScreenView::strategyChosen(int panel, int row) {
  act([this, panel, row] {
    ListBox& menu = main_.Com_Lst[static_cast<std::size_t>(panel)];
    menu.listIndex = row;
    main_.Com_Lst_Click(panel);
    // Hot seat: the next player must not see which line this one picked.
    menu.listIndex = -1;
  });
}

QVBoxLayout* MainScreenView::makePlayerColumn() {
  auto* side = new QVBoxLayout();
  player_ = new QLabel(this);
  QFont playerFont = player_->font();
  playerFont.setBold(true);
  player_->setFont(playerFont);
  player_->setMinimumWidth(200);
  side->addWidget(player_);
  players_ = new QListWidget(this);
  players_->setMaximumWidth(240);
  side->addWidget(players_, 1);
  auto_ = new QPushButton(this);
  auto_->setMinimumHeight(44);
  // Never pressed by an Enter meant for a list: Auto hands the turn away.
  auto_->setAutoDefault(false);
  auto_->setDefault(false);
  side->addWidget(auto_);
  RowChooser::attach(players_, [this](int row) {
    act([this, row] {
      main_.dsp_PC.listIndex = row;
      main_.dsp_PC_Click();
    });
  });
  connect(auto_, &QPushButton::clicked, this, [this] { act([this] { main_.Command1_Click(3); }); });
  return side;
}

void MainScreenView::refresh() {
  show(year_, main_.Lab_hlp);
  show(player_, main_.Label6);
  show(players_, main_.dsp_PC);
  show(auto_, main_.Command1[3]);
  for (std::size_t k = 0; k < kPanels; ++k) {
    const std::string& heading = main_.Frame1[k].caption;
    panels_[k]->setTitle(text(heading.empty() ? std::string("（空き）") : heading));
    show(shozoku_[k], main_.Label1[k]);
    show(factions_[k], main_.Gun_lst[k]);
    show(menus_[k], main_.Com_Lst[k]);
    show(allianceHeads_[k], main_.Lab_Mei[k]);
    show(allianceValues_[k], main_.Lab_MeiVal[k]);
  }
  focusTurn();
}

void MainScreenView::focusTurn() {
  const std::string turn = main_.Lab_hlp.caption + main_.Label6.caption;
  const int panel = main_.currentPanel();
  if (turn == focusedTurn_ || panel < 0) return;
  focusedTurn_ = turn;
  QListWidget* menu = menus_[static_cast<std::size_t>(panel)];
  if (!menu->isEnabled() || menu->count() == 0) return;
  // The cursor starts at the top, not on the line the player before chose.
  menu->selectionModel()->setCurrentIndex(menu->model()->index(0, 0), QItemSelectionModel::NoUpdate);
  menu->setFocus(Qt::OtherFocusReason);
}

}  // namespace velkaro::qt
