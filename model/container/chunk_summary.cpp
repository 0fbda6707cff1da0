#include "model/container/chunk_summary.h"

#include <cstdio>

namespace tarnwick {

ByteSpan ChunkBody(const ChunkInfo& chunk)
{
    return chunk.Data.size() > kChunkHeaderSize ? chunk.Data.span().subspan(kChunkHeaderSize) : ByteSpan{};
}

std::string ChunkIdText(std::uint32_t id)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", static_cast<unsigned>(id));
    return std::to_string(id) + " (" + hex + ")";
}

std::string ChunkName(std::string_view type, std::uint32_t id)
{
    return std::string(type) + ' ' + ChunkIdText(id);
}

ChunkSummary SummariseChunk(const ChunkInfo& chunk, std::size_t fileSize)
{
    ChunkSummary summary;
    summary.type = chunk.Type;
    summary.label = chunk.Label;
    summary.id = chunk.Id;
    summary.flags = chunk.Flags;
    summary.size = static_cast<std::uint32_t>(chunk.Size);
    summary.offset = chunk.Position > 0 ? static_cast<std::uint64_t>(chunk.Position) - 1 : 0;
    const std::uint64_t available = fileSize > summary.offset ? fileSize - summary.offset : 0;
    if (summary.size < kChunkHeaderSize)
        summary.warning = "The size field (" + std::to_string(summary.size) + ") is smaller than the " +
                          std::to_string(kChunkHeaderSize) + "-byte chunk header.";
    else if (summary.size > available)
        summary.warning = "The size field (" + std::to_string(summary.size) +
                          ") runs past the end of the file: " + std::to_string(available) +
                          " bytes are there.";
    return summary;
}

}  // namespace tarnwick
