#pragma once
// Draws a screen's multi-line column labels (one line per row) as one read-only table.
#include <QStringList>
#include <string>
#include <vector>

class QTableWidget;

namespace velkaro::qt {

class ColumnTable {
 public:
  // Sets up a read-only table with the headings; rows are selected whole.
  static void setUp(QTableWidget* table, const QStringList& headings);
  // Fills column i from columns[i], split at its line breaks; numeric columns are right-aligned.
  static void fill(QTableWidget* table, const std::vector<std::string>& columns, const std::vector<bool>& numeric);
};

}  // namespace velkaro::qt
