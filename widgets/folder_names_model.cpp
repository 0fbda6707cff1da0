#include "widgets/folder_names_model.h"

#include "widgets/path_text.h"

namespace tarnwick {

void FolderNamesModel::Show(QList<Line> lines, std::shared_ptr<const FolderRead> folder,
                            std::vector<std::uint32_t> entries)
{
    beginResetModel();
    lines_ = std::move(lines);
    folder_ = std::move(folder);
    entries_ = std::move(entries);
    endResetModel();
}

void FolderNamesModel::SetLook(const QIcon& lineIcon, const QIcon& entryIcon, int entryDepth)
{
    lineIcon_ = lineIcon;
    entryIcon_ = entryIcon;
    entryDepth_ = entryDepth;
}

void FolderNamesModel::SetLaterLook(const QIcon& icon, std::size_t first)
{
    laterIcon_ = icon;
    firstLater_ = first;
}

std::string_view FolderNamesModel::EntryName(int row) const
{
    return folder_->Entries.Name(entries_[static_cast<std::size_t>(row - LineCount())]);
}

int FolderNamesModel::RowOfEntry(std::string_view name) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (folder_->Entries.Name(entries_[i]) == name)
            return LineCount() + static_cast<int>(i);
    return -1;
}

int FolderNamesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : LineCount() + static_cast<int>(entries_.size());
}

QVariant FolderNamesModel::data(const QModelIndex& index, int role) const
{
    // An invalid index is an allowed question, with no answer.
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const bool own = row < LineCount();
    switch (role) {
    case Qt::DisplayRole:
        return own ? lines_[row].Text : ShownName(EntryName(row));
    case Qt::DecorationRole: {
        const bool later =
            !own && !laterIcon_.isNull() && static_cast<std::size_t>(row - LineCount()) >= firstLater_;
        const QIcon& icon = own ? lineIcon_ : later ? laterIcon_ : entryIcon_;
        return icon.isNull() || (own && lines_[row].Path.isEmpty()) ? QVariant() : QVariant(icon);
    }
    case kDepthRole:
        return own ? lines_[row].Depth : entryDepth_;
    default:
        return {};
    }
}

Qt::ItemFlags FolderNamesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const int row = index.row();
    if (row < LineCount() && lines_[row].Path.isEmpty())
        return Qt::ItemNeverHasChildren;  // a message: shown, never selected
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace tarnwick
