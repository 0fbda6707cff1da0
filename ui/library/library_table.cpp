#include "ui/library/library_table.h"

#include <QRegularExpression>

namespace tarnwick {

LibraryTable::LibraryTable(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns))
{
}

void LibraryTable::SetRowCount(int count)
{
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        endInsertRows();
    } else if (count < rows_) {
        beginResetModel();
        rows_ = count;
        endResetModel();
    }
}

void LibraryTable::PictureChanged(int row)
{
    for (std::size_t column = 0; column < columns_.size(); ++column)
        if (columns_[column].picture && row >= 0 && row < rows_) {
            const QModelIndex cell = index(row, static_cast<int>(column));
            emit dataChanged(cell, cell, {Qt::DecorationRole});
        }
}

int LibraryTable::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int LibraryTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant LibraryTable::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Column& column = columns_[static_cast<std::size_t>(index.column())];
    if (role == Qt::DecorationRole)
        return column.picture ? column.picture(index.row()) : QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return column.text(index.row());
    if (role == Qt::UserRole)
        return column.number ? QVariant(column.number(index.row()))
                             : QVariant(column.text(index.row()).toLower());
    if (role == Qt::TextAlignmentRole && column.number && column.showsNumber)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant LibraryTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    const Column& column = columns_[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return column.header;
    if (role == kExportedRole)
        return !column.picture;
    return QAbstractTableModel::headerData(section, orientation, role);
}

LibraryFilter::LibraryFilter(LibraryTable& table, std::function<bool(int, const QString&)> matches,
                             QObject* parent)
    : QSortFilterProxyModel(parent), matches_(std::move(matches))
{
    setSourceModel(&table);
    setSortRole(Qt::UserRole);
}

void LibraryFilter::SetNeedle(const QString& needle)
{
    needle_ = needle.trimmed();
    invalidateFilter();
}

bool LibraryFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return needle_.isEmpty() || matches_(sourceRow, needle_);
}

QString GuidNeedle(const QString& text)
{
    QString hex = text.trimmed();
    if (hex.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        hex = hex.mid(2);
    static const QRegularExpression kHex(QStringLiteral("^[0-9A-Fa-f]{1,8}$"));
    return kHex.match(hex).hasMatch() ? hex.toUpper() : QString();
}

QString RowsAsTsv(const QAbstractItemModel& model, const std::vector<int>& rows)
{
    const auto field = [](QString text) {
        return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('\t'), QStringLiteral("\\t"))
            .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    };
    std::vector<int> columns;
    for (int column = 0; column < model.columnCount(); ++column)
        if (const QVariant exported = model.headerData(column, Qt::Horizontal, LibraryTable::kExportedRole);
            !exported.isValid() || exported.toBool())
            columns.push_back(column);
    QString out;
    for (std::size_t at = 0; at < columns.size(); ++at)
        out += (at == 0 ? QString() : QStringLiteral("\t")) +
               field(model.headerData(columns[at], Qt::Horizontal, Qt::DisplayRole).toString());
    out += QLatin1Char('\n');
    for (const int row : rows) {
        for (std::size_t at = 0; at < columns.size(); ++at)
            out += (at == 0 ? QString() : QStringLiteral("\t")) +
                   field(model.index(row, columns[at]).data().toString());
        out += QLatin1Char('\n');
    }
    return out;
}

}  // namespace tarnwick
