#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"

namespace tarnwick {

inline constexpr std::size_t kFileHeaderSize = 64;
inline constexpr std::size_t kChunkHeaderSize = 76;
inline constexpr std::size_t kMaxChunks = 1000;

// One chunk of a container file. Positions are 1-based: the first byte of the
// file is position 1, so the first chunk sits at position 65.
struct ChunkInfo {
    std::string Type;       // the four type characters as stored (fewer at the end of the file)
    std::string Label;      // the label field up to its first NUL
    std::int32_t Size = 0;  // the size field, header included, read as signed
    std::string IdBytes;    // the four raw identifier bytes (fewer at the end of the file)
    ByteString Data;        // the whole chunk, header included; contents from byte 77
    std::int32_t Position = 0;
};

// The chunks of the loaded file, numbered from 1 as the chunk list shows them.
class ChunkTable {
public:
    void Clear() { chunks_.clear(); }
    void Add(ChunkInfo chunk) { chunks_.push_back(std::move(chunk)); }
    [[nodiscard]] std::size_t Count() const { return chunks_.size(); }

    // The chunk with this 1-based number, or nullptr when there is none
    // (such as the number of the list's closing error line).
    [[nodiscard]] const ChunkInfo* Find(std::int64_t chunkIndex) const
    {
        if (chunkIndex < 1 || static_cast<std::uint64_t>(chunkIndex) > chunks_.size())
            return nullptr;
        return &chunks_[static_cast<std::size_t>(chunkIndex - 1)];
    }

private:
    std::vector<ChunkInfo> chunks_;
};

}  // namespace tarnwick
