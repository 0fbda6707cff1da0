#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"

namespace tarnwick {

inline constexpr std::size_t kFileHeaderSize = 64;
inline constexpr std::size_t kChunkHeaderSize = 76;
inline constexpr std::size_t kMaxChunks = 1000;  // lines of the chunk list; the table keeps more
// The table's own limit, far above any real file (the largest known hold about
// 1,300 chunks), so that a file of tiny chunks cannot exhaust memory.
inline constexpr std::size_t kMaxKeptChunks = 1 << 20;

// A chunk's number in the table and in the chunk list: 1 for the first chunk,
// 0 for none.
using ChunkNumber = std::size_t;

// The chunk of the chunk list's 0-based line `row`, or 0 for no line or for the
// line after the last listed chunk (the "Too many Chunks" line).
[[nodiscard]] constexpr ChunkNumber ListedChunk(int row)
{
    return row < 0 || static_cast<std::size_t>(row) >= kMaxChunks ? 0 : static_cast<ChunkNumber>(row) + 1;
}

// One chunk of a container file. Positions are 1-based: the first byte of the
// file is position 1, so the first chunk sits at position 65.
struct ChunkInfo {
    std::string Type;       // the four type characters as stored (fewer at the end of the file)
    std::string Label;      // the label field up to its first NUL
    std::int32_t Size = 0;  // the size field, header included, read as signed
    std::string IdBytes;    // the four raw identifier bytes (fewer at the end of the file)
    ByteString Data;        // the whole chunk, header included; contents from byte 77
    std::int32_t Position = 0;
    std::uint16_t Id = 0;     // the first two identifier bytes, big-endian (0 when cut short)
    std::uint16_t Flags = 0;  // the last two
};

// The chunks of the loaded file, numbered from 1 as the chunk list shows them.
class ChunkTable {
public:
    void Clear() { chunks_.clear(); }
    void Add(ChunkInfo chunk) { chunks_.push_back(std::move(chunk)); }
    [[nodiscard]] std::size_t Count() const { return chunks_.size(); }

    // The chunk with this number, or nullptr when there is none.
    [[nodiscard]] const ChunkInfo* Find(ChunkNumber number) const
    {
        return number < 1 || number > chunks_.size() ? nullptr : &chunks_[number - 1];
    }

private:
    std::vector<ChunkInfo> chunks_;
};

}  // namespace tarnwick
