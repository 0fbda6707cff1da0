#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace tarnwick {

// A table of the library's rows: a count that grows as results arrive and
// columns that read a row from the data the window holds. Qt::UserRole gives
// the value sorted by (a number for numeric columns), Qt::DisplayRole the text,
// Qt::DecorationRole a picture column's picture.
class LibraryTable : public QAbstractTableModel {
public:
    struct Column {
        QString header;
        std::function<QString(int row)> text;
        std::function<qlonglong(int row)> number;    // set for columns sorted as numbers
        bool showsNumber = true;                     // a number column's text is the number, aligned right
        std::function<QVariant(int row)> picture{};  // set for a column of pictures, left out of exports
    };

    // The header's role that says whether a column is exported: all but pictures.
    static constexpr int kExportedRole = Qt::UserRole;

    LibraryTable(std::vector<Column> columns, QObject* parent);

    // Rows [0, count): new rows are announced as inserted, fewer as a reset.
    void SetRowCount(int count);
    // Tells the views that the row's picture changed.
    void PictureChanged(int row);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Column> columns_;
    int rows_ = 0;
};

// Search as you type: a row stays when `matches` says it holds the text.
class LibraryFilter : public QSortFilterProxyModel {
public:
    LibraryFilter(LibraryTable& table, std::function<bool(int row, const QString& needle)> matches,
                  QObject* parent);
    void SetNeedle(const QString& needle);

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    std::function<bool(int, const QString&)> matches_;
    QString needle_;
};

// A GUID typed as people type it: "4c4d0001", "0x4C4D0001" or a part of one,
// as upper-case hex without the 0x; empty when the text is not hex.
[[nodiscard]] QString GuidNeedle(const QString& text);

// The rows shown, every column but pictures, as UTF-8 tab-separated text:
// tabs, line breaks and backslashes inside a field written as \t, \n and \\.
[[nodiscard]] QString RowsAsTsv(const QAbstractItemModel& model, const std::vector<int>& rows);

}  // namespace tarnwick
