#include "qt/FactionOfficerListsView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/RowChooser.h"

namespace velkaro::qt {

namespace {
constexpr int kColumns = 5;
}

FactionOfficerListsView::FactionOfficerListsView(FactionOfficerLists& screen, QtUi& ui) : ScreenView(screen, ui), lists_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  auto* grid = new QGridLayout();
  grid->setSpacing(8);
  for (int i = 0; i < FactionOfficerLists::kPanels; ++i) {
    auto* panel = new QVBoxLayout();
    panel->setSpacing(2);
    auto* name = new QLabel(this);
    name->setAlignment(Qt::AlignCenter);
    name->setMinimumHeight(26);
    auto* list = new QListWidget(this);
    // Five columns and 戻る on a 1024-pixel-wide screen; a long list scrolls.
    list->setMinimumSize(120, 90);
    panel->addWidget(name);
    panel->addWidget(list, 1);
    grid->addLayout(panel, i / kColumns, i % kColumns);
    names_[static_cast<std::size_t>(i)] = name;
    officers_[static_cast<std::size_t>(i)] = list;
    RowChooser::attach(list, [this, i](int row) {
      act([this, i, row] {
        lists_.Chr_lst[static_cast<std::size_t>(i)].listIndex = row;
        lists_.Chr_lst_Click(i);
      });
    });
  }
  layout->addLayout(grid, 1);
  auto* row = new QHBoxLayout();
  row->addStretch();
  back_ = addButton(row, [this] { lists_.Command1_Click(); });
  layout->addLayout(row);
}

void FactionOfficerListsView::refresh() {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    show(names_[i], lists_.Lab_name[i]);
    // A standing faction's name on the panels' cream, a destroyed one's on the game's grey.
    setBackground(names_[i], lists_.Lab_nameBackColour[i], 0xE6DCC3);
    show(officers_[i], lists_.Chr_lst[i]);
  }
  show(back_, lists_.Command1);
}

}  // namespace velkaro::qt
