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
    name->setAutoFillBackground(true);
    auto* list = new QListWidget(this);
    list->setMinimumSize(200, 140);
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
    QPalette palette = names_[i]->palette();
    const std::uint32_t colour = lists_.Lab_nameBackColour[i];
    palette.setColor(QPalette::Window, colour == kWindowColour ? QColor(0xe6, 0xdc, 0xc3) : QColor::fromRgb(colour));
    names_[i]->setPalette(palette);
    show(officers_[i], lists_.Chr_lst[i]);
  }
  show(back_, lists_.Command1);
}

}  // namespace velkaro::qt
