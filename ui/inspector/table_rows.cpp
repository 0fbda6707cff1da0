#include "ui/inspector/table_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTableWidget>

#include "ui/inspector/inspector_view.h"

namespace tarnwick {

QTableWidget* MakeRowsTable(const QStringList& titles, QWidget* parent)
{
    auto* table = new QTableWidget(parent);
    table->setColumnCount(static_cast<int>(titles.size()));
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    return table;
}

void FillRows(QTableWidget& table, int rows, const std::function<void(int row)>& fill)
{
    table.setRowCount(rows);
    {
        const QSignalBlocker quiet(table.model());
        for (int row = 0; row < rows; ++row)
            fill(row);
    }
    table.viewport()->update();
}

void SetColumnWidths(QTableWidget& table, std::initializer_list<std::pair<int, int>> widths)
{
    for (const auto& [column, width] : widths)
        table.setColumnWidth(column, width);
}

QString RowsText(const QTableWidget& table, bool selectedOnly)
{
    QString text;
    if (!selectedOnly) {
        QStringList titles;
        for (int column = 0; column < table.columnCount(); ++column)
            titles << table.horizontalHeaderItem(column)->text();
        text += TabSeparated(titles) + u'\n';
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        const QTableWidgetItem* first = table.item(row, 0);
        if (selectedOnly && (first == nullptr || !first->isSelected()))
            continue;
        QStringList fields;
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem* item = table.item(row, column);
            fields << (item != nullptr ? item->text() : QString());
        }
        text += TabSeparated(fields) + u'\n';
    }
    return text;
}

void CopySelectedRows(const QTableWidget& table)
{
    const QString text = RowsText(table, true);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

}  // namespace tarnwick
