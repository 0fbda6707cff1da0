#include "ui/inspector/inspector_context.h"

#include "model/container/chunk_lookup.h"

namespace tarnwick {

std::size_t InspectorContext::Find(std::string_view type, std::uint32_t id) const
{
    return FindChunk(openFile.Chunks, type, id);
}

void InspectorContext::Follow(std::size_t chunkIndex) const
{
    if (chunkIndex != 0 && follow)
        follow(chunkIndex);
}

}  // namespace tarnwick
