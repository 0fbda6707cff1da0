#include "model/container/chunk_lookup.h"

#include "model/container/chunk_summary.h"

namespace tarnwick {

ChunkNumber FindChunk(const ChunkTable& chunks, std::string_view type, std::uint32_t id)
{
    if (id > 0xFFFF)
        return 0;
    for (ChunkNumber i = 1; i <= chunks.Count(); ++i)
        if (const ChunkInfo* chunk = chunks.Find(i); chunk->Type == type && chunk->Id == id)
            return i;
    return 0;
}

ChunkNumber FindFirstChunk(const ChunkTable& chunks, std::string_view type)
{
    for (ChunkNumber i = 1; i <= chunks.Count(); ++i)
        if (chunks.Find(i)->Type == type)
            return i;
    return 0;
}

}  // namespace tarnwick
