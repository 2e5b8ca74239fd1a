#include "qt/MainScreenView.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include "data/GameDirectorySetup.h"
#include "qt/HelpWindow.h"
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
  QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
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
  // The manual is no screen of the game: it opens beside the windows and changes nothing.
  QAction* manual = help->addAction(QStringLiteral("遊び方(&M)"));
  manual->setShortcut(QKeySequence(Qt::Key_F1));
  manual->setShortcutContext(Qt::ApplicationShortcut);
  connect(manual, &QAction::triggered, this,
          [] { HelpWindow::open(HelpWindow::installedManual(GameDirectorySetup::runningExecutableFolder())); });
  // Menus are as wide as their longest item: a narrow style sheet must not elide them.
  for (QMenu* menu : {file, info, tools, help}) menu->setMinimumWidth(menu->sizeHint().width() + 40);
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
  // However small the window, five lines of each list stay in sight; the rest scrolls.
  for (QListWidget* list : {factions_[i], menus_[i]}) {
    list->addItem(QStringLiteral("軍"));
    list->setMinimumHeight(5 * list->sizeHintForRow(0) + 2 * list->frameWidth() + 4);
    list->clear();
  }

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
  side->addWidget(player_);
  players_ = new QListWidget(this);
  // Narrower before the panels are: on a small window the menus keep their room.
  players_->setMinimumWidth(90);
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
    fitWidth(menus_[k]);
    show(allianceHeads_[k], main_.Lab_Mei[k]);
    show(allianceValues_[k], main_.Lab_MeiVal[k]);
  }
  // Hot seat: the player whose turn is announced finds no list's cursor where the one before
  // left it (the core has dropped the lines chosen; the cursor is the view's own).
  const std::pair<int, int> turn{main_.year(), main_.teban()};
  if (turn != shownTurn_) {
    shownTurn_ = turn;
    for (QListWidget* list : findChildren<QListWidget*>()) {
      const QSignalBlocker blocker(list);
      list->clearSelection();
      list->setCurrentRow(-1);
    }
    focusTurn();
  }
}

void MainScreenView::focusTurn() {
  // The keyboard starts in the light-blue menu, the one this player chooses from, at its top.
  const int panel = main_.currentPanel();
  if (panel < 0 || panel >= kPanels) return;
  QListWidget* menu = menus_[static_cast<std::size_t>(panel)];
  if (!menu->isEnabled() || menu->count() == 0) return;
  menu->selectionModel()->setCurrentIndex(menu->model()->index(0, 0), QItemSelectionModel::NoUpdate);
  menu->setFocus(Qt::OtherFocusReason);
}

void MainScreenView::fitWidth(QListWidget* list) {
  // A menu is never narrower than its longest line: the window gives room to the menus before
  // it gives any to the player list.
  int widest = 0;
  for (int i = 0; i < list->count(); ++i) widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
  const int wanted = widest + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width() + 12;
  if (wanted > list->minimumWidth()) list->setMinimumWidth(wanted);
}

}  // namespace velkaro::qt
