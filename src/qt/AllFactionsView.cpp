#include "qt/AllFactionsView.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/ColumnTable.h"

namespace velkaro::qt {

AllFactionsView::AllFactionsView(AllFactions& screen, QtUi& ui) : ScreenView(screen, ui), all_(screen) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  table_ = new QTableWidget(this);
  layout->addWidget(table_, 1);
  auto* row = new QHBoxLayout();
  row->addStretch();
  for (int i : {1, 0}) buttons_[static_cast<std::size_t>(i)] = addButton(row, [this, i] { all_.Command1_Click(i); });
  layout->addLayout(row);
}

void AllFactionsView::refresh() {
  // The tenth heading is empty and heads no column.
  QStringList headings;
  for (int i = 0; i < AllFactions::kHeadings - 1; ++i) headings << text(all_.Lab_Cate[static_cast<std::size_t>(i)].caption);
  if (table_->columnCount() != headings.size()) ColumnTable::setUp(table_, headings);
  table_->setHorizontalHeaderLabels(headings);
  std::vector<std::string> columns{all_.Lab_name.caption};
  std::vector<bool> numeric{false};
  for (std::size_t i = 0; i < all_.Lab_abl.size(); ++i) {
    columns.push_back(all_.Lab_abl[i].caption);
    numeric.push_back(i + 1 < all_.Lab_abl.size());
  }
  ColumnTable::fill(table_, columns, numeric);
  table_->horizontalHeader()->setMinimumHeight(2 * table_->fontMetrics().lineSpacing() + 8);
  // The columns share the width: 盟主 is often empty and must not take the rest of it.
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (std::size_t i = 0; i < buttons_.size(); ++i) show(buttons_[i], all_.Command1[i]);
}

}  // namespace velkaro::qt
