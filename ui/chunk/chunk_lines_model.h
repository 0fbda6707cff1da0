#pragma once

#include <QAbstractListModel>
#include <optional>
#include <string>
#include <vector>

#include "model/chunk_window/chunk_dump.h"

namespace tarnwick {

// The lines of the chunk display's list: a chunk's hex dump, formatted one line
// at a time as the view asks for it, or the decoded lines of a string table.
class ChunkLinesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void ShowDump(ChunkDump dump);
    void ShowLines(std::vector<std::string> lines);
    // Makes a dump hold its own copy of the bytes it shows, apart from the file
    // they were cut from, when they are at most `limit`; false when they are
    // more, with nothing changed.
    bool KeepDumpApart(std::size_t limit);

    // QAbstractListModel
    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    std::optional<ChunkDump> dump_;
    std::vector<std::string> lines_;
};

}  // namespace tarnwick
