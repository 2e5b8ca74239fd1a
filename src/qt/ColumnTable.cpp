#include "qt/ColumnTable.h"

#include <QHeaderView>
#include <algorithm>
#include <QTableWidget>

#include "data/TextFile.h"

namespace velkaro::qt {

void ColumnTable::setUp(QTableWidget* table, const QStringList& headings) {
  table->setColumnCount(static_cast<int>(headings.size()));
  table->setHorizontalHeaderLabels(headings);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the table for the buttons; the arrow keys move within it.
  table->setTabKeyNavigation(false);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setVisible(false);
  table->setAlternatingRowColors(true);
  table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void ColumnTable::fill(QTableWidget* table, const std::vector<std::string>& columns, const std::vector<bool>& numeric) {
  std::vector<std::vector<std::string>> cells;
  int rows = 0;
  for (const std::string& column : columns) {
    cells.push_back(TextFile::splitLines(column));
    rows = std::max(rows, static_cast<int>(cells.back().size()));
  }
  table->setRowCount(rows);
  for (int c = 0; c < static_cast<int>(cells.size()) && c < table->columnCount(); ++c) {
    const auto& column = cells[static_cast<std::size_t>(c)];
    const bool right = static_cast<std::size_t>(c) < numeric.size() && numeric[static_cast<std::size_t>(c)];
    for (int r = 0; r < rows; ++r) {
      const std::string text = r < static_cast<int>(column.size()) ? column[static_cast<std::size_t>(r)] : "";
      auto* item = new QTableWidgetItem(QString::fromStdString(text).trimmed());
      item->setTextAlignment(right ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
      table->setItem(r, c, item);
    }
  }
  table->resizeColumnsToContents();
}

}  // namespace velkaro::qt
