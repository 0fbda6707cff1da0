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

std::optional<library::CalledBehaviour> InspectorContext::FindCalled(OpcodeKind kind, std::uint16_t id) const
{
    return findCalled ? findCalled(kind, id) : std::nullopt;
}

void InspectorContext::FollowElsewhere(const library::ChunkPlace& place) const
{
    if (followElsewhere)
        followElsewhere(place);
}

ReplacedObject InspectorContext::FindReplaced(std::uint32_t guid) const
{
    return findReplaced ? findReplaced(guid) : ReplacedObject{};
}

}  // namespace tarnwick
