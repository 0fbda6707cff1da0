#pragma once

#include <cstdint>
#include <optional>

#include "model/container/byte_string.h"
#include "model/container/chunk_table.h"

namespace tarnwick {

// Walks the chunks of a container file from the first to the last.
//
// The walk ends before a chunk whose size field is cut short by the end of the
// file, and after a chunk whose size field is negative (that chunk keeps only
// its header, as its size says nothing usable). The first kMaxChunks chunks are
// walked as the chunk list shows them, a size of 0 repeating its chunk; past
// them a chunk smaller than its header ends the walk, and so does the
// kMaxKeptChunks-th.
class ChunkWalker {
public:
    explicit ChunkWalker(ByteString file) : file_(std::move(file)) {}

    // The next chunk, or nothing when the walk has ended.
    [[nodiscard]] std::optional<ChunkInfo> Next();

private:
    [[nodiscard]] bool ChunkStartsAt(std::int64_t offset) const;

    ByteString file_;
    std::int64_t offset_ = kFileHeaderSize;  // 0-based; wide enough that adding any size is safe
    std::size_t recorded_ = 0;
    bool ended_ = false;
};

// "7: STR# [label]": the chunk's number, type and label as the chunk list shows them.
[[nodiscard]] std::string ChunkListLine(std::size_t number, const ChunkInfo& chunk);

}  // namespace tarnwick
