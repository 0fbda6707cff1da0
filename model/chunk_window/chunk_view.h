#pragma once

#include <string_view>

namespace tarnwick {

// How the chunk display shows a chunk, by its type code.
enum class ChunkView {
    Dump,           // the hex dump, for every type not below
    StringTable,    // "STR#": its numbered strings; a dump when the format is declined
    Bitmap,         // "BMP_": its picture; a dump when the contents are no picture
    SpritePreview,  // "SPR#": one pixel a byte above the dump of the same bytes
    ResourceMap,    // "rsmp": the sections dialog instead of the chunk window
};

[[nodiscard]] constexpr ChunkView ChunkViewFor(std::string_view type)
{
    if (type == "STR#")
        return ChunkView::StringTable;
    if (type == "BMP_")
        return ChunkView::Bitmap;
    if (type == "SPR#")
        return ChunkView::SpritePreview;
    if (type == "rsmp")
        return ChunkView::ResourceMap;
    return ChunkView::Dump;
}

}  // namespace tarnwick
