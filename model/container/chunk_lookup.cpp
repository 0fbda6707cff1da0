#include "model/container/chunk_lookup.h"

#include "model/container/chunk_summary.h"

namespace tarnwick {

std::size_t FindChunk(const ChunkTable& chunks, std::string_view type, std::uint32_t id)
{
    if (id > 0xFFFF)
        return 0;
    for (std::size_t i = 1; i <= chunks.Count(); ++i)
        if (const ChunkInfo* chunk = chunks.Find(static_cast<std::int64_t>(i));
            chunk->Type == type && ChunkId(*chunk) == id)
            return i;
    return 0;
}

std::size_t FindFirstChunk(const ChunkTable& chunks, std::string_view type)
{
    for (std::size_t i = 1; i <= chunks.Count(); ++i)
        if (chunks.Find(static_cast<std::int64_t>(i))->Type == type)
            return i;
    return 0;
}

}  // namespace tarnwick
