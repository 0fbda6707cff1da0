#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/container/byte_string.h"
#include "model/container/chunk_table.h"

namespace tarnwick {

// The header fields of a chunk as the game defines them: after the type and
// the size, a 16-bit ID and 16 bits of flags, both big-endian.
struct ChunkSummary {
    std::string type;
    std::string label;
    std::uint16_t id = 0;
    std::uint16_t flags = 0;
    std::uint32_t size = 0;    // the size field, header included, all 32 bits
    std::uint64_t offset = 0;  // from the start of the file, from 0
    std::string warning;       // when the size field cannot be right
};

[[nodiscard]] ChunkSummary SummariseChunk(const ChunkInfo& chunk, std::size_t fileSize);

// A chunk's ID in decimal and in hex of at least four digits, "4097 (0x1001)",
// and a chunk named by type and ID, "BHAV 4097 (0x1001)": the one way the
// inspector and its views show either.
[[nodiscard]] std::string ChunkIdText(std::uint32_t id);
[[nodiscard]] std::string ChunkName(std::string_view type, std::uint32_t id);

// The chunk's contents after its 76-byte header, as far as they are in the file.
[[nodiscard]] ByteSpan ChunkBody(const ChunkInfo& chunk);

}  // namespace tarnwick
