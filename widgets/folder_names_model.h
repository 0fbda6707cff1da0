#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QList>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "system/folder_listing.h"

namespace tarnwick {

// The lines of a folder or file list: a few lines of their own (the folders
// above the current one, or why a folder cannot be read), then chosen entries
// of one folder reading, in the order given. An entry's text is made only when
// a view asks for it, so a folder of 100,000 files holds 100,000 numbers.
class FolderNamesModel final : public QAbstractListModel {
public:
    static constexpr int kDepthRole = Qt::UserRole;  // steps of indent

    struct Line {
        QString Text;
        QString Path;  // the folder it stands for; empty for a message, which cannot be selected
        int Depth = 0;
    };

    using QAbstractListModel::QAbstractListModel;

    void Show(QList<Line> lines, std::shared_ptr<const FolderRead> folder,
              std::vector<std::uint32_t> entries);
    // Icons of the own lines and of the entries, and the entries' depth.
    void SetLook(const QIcon& lineIcon, const QIcon& entryIcon, int entryDepth);
    // The icon of the entries from the `first`-th on (the archives after a
    // folder's subfolders); none with a null icon.
    void SetLaterLook(const QIcon& icon, std::size_t first);

    [[nodiscard]] int LineCount() const { return static_cast<int>(lines_.size()); }
    [[nodiscard]] const Line& LineAt(int row) const { return lines_[row]; }
    // The name's bytes of the entry at `row`, LineCount() or more.
    [[nodiscard]] std::string_view EntryName(int row) const;
    // The row of the entry named `name`, or -1.
    [[nodiscard]] int RowOfEntry(std::string_view name) const;

    // QAbstractListModel
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<Line> lines_;
    std::shared_ptr<const FolderRead> folder_;
    std::vector<std::uint32_t> entries_;  // indexes into folder_'s listing
    QIcon lineIcon_;
    QIcon entryIcon_;
    int entryDepth_ = 0;
    QIcon laterIcon_;
    std::size_t firstLater_ = 0;
};

}  // namespace tarnwick
