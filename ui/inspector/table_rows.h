#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <utility>

class QTableWidget;
class QWidget;

namespace tarnwick {

// A read-only table of whole-row selection with these column titles, for the
// views that list a chunk's items.
[[nodiscard]] QTableWidget* MakeRowsTable(const QStringList& titles, QWidget* parent);

// Gives the table `rows` rows and calls `fill` for each, the model's signals
// held back meanwhile (one a cell costs more than the cells), then repaints.
void FillRows(QTableWidget& table, int rows, const std::function<void(int row)>& fill);

// Sets fixed column widths: measuring every row of a long table would cost
// more than filling it.
void SetColumnWidths(QTableWidget& table, std::initializer_list<std::pair<int, int>> widths);

// The table's rows as tab-separated lines, the titles first; `selectedOnly`
// leaves out the titles and the rows not selected.
[[nodiscard]] QString RowsText(const QTableWidget& table, bool selectedOnly);

// Puts the selected rows on the clipboard as tab-separated lines.
void CopySelectedRows(const QTableWidget& table);

}  // namespace tarnwick
