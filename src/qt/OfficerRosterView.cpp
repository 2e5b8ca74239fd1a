#include "qt/OfficerRosterView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/ColumnTable.h"

namespace velkaro::qt {

OfficerRosterView::OfficerRosterView(OfficerRoster& screen, QtUi& ui) : ScreenView(screen, ui), table_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  grid_ = new QTableWidget(this);
  layout->addWidget(grid_, 1);
  hint_ = new QLabel(this);
  layout->addWidget(hint_);
  auto* row = new QHBoxLayout();
  row->addStretch();
  back_ = addButton(row, [this] { table_.Command1_Click(); });
  layout->addLayout(row);
}

void OfficerRosterView::refresh() {
  // The officer numbers stand beside the names under no heading of their own.
  QStringList headings;
  headings << text(table_.Lab_Cate[0].caption) << QString();
  for (int i = 1; i < OfficerRoster::kHeadings; ++i) headings << text(table_.Lab_Cate[static_cast<std::size_t>(i)].caption);
  if (grid_->columnCount() != headings.size()) ColumnTable::setUp(grid_, headings);
  grid_->setHorizontalHeaderLabels(headings);
  std::vector<std::string> columns{table_.Lab_name.caption, table_.Lab_id.caption};
  std::vector<bool> numeric{false, true};
  for (std::size_t i = 0; i < table_.Lab_abl.size(); ++i) {
    columns.push_back(table_.Lab_abl[i].caption);
    numeric.push_back(i + 1 < table_.Lab_abl.size());
  }
  ColumnTable::fill(grid_, columns, numeric);
  for (int c = 2; c < grid_->columnCount() - 1; ++c) grid_->setColumnWidth(c, std::max(grid_->columnWidth(c), 56));
  grid_->horizontalHeader()->setStretchLastSection(true);
  show(hint_, table_.Hlp);
  hint_->setVisible(!table_.Hlp.caption.empty());
  show(back_, table_.Command1);
}

}  // namespace velkaro::qt
