#include "ui/inspector/inspector_context.h"

#include "model/container/chunk_lookup.h"

namespace tarnwick {

ChunkNumber InspectorContext::Find(std::string_view type, std::uint32_t id) const
{
    return FindChunk(openFile.Chunks, type, id);
}

void InspectorContext::Follow(ChunkNumber number) const
{
    if (number != 0 && follow)
        follow(number);
}

}  // namespace tarnwick
