#include "ui/chunk/chunk_lines_model.h"

#include <algorithm>
#include <array>
#include <climits>

#include "ui/common/controls.h"

namespace tarnwick {

void ChunkLinesModel::ShowDump(ChunkDump dump)
{
    beginResetModel();
    lines_.clear();
    dump_.emplace(std::move(dump));
    endResetModel();
}

void ChunkLinesModel::ShowLines(std::vector<std::string> lines)
{
    beginResetModel();
    dump_.reset();
    lines_ = std::move(lines);
    endResetModel();
}

bool ChunkLinesModel::KeepDumpApart(std::size_t limit)
{
    if (!dump_)
        return true;
    if (dump_->ContentSize() > limit)
        return false;
    dump_->KeepOwnCopy();
    return true;
}

int ChunkLinesModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    // A chunk is at most 2 GiB, so its dump has well under INT_MAX lines.
    const std::size_t count = dump_ ? dump_->LineCount() : lines_.size();
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

QVariant ChunkLinesModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (dump_) {
        std::array<char, ChunkDump::kMaxLineLength> line{};
        const std::size_t length = dump_->WriteLine(row, line);
        // Dump lines hold only printable ASCII: no code page to decode.
        return QString::fromLatin1(line.data(), static_cast<qsizetype>(length));
    }
    return FileText(lines_[row]);
}

}  // namespace tarnwick
