#include "model/chunk_window/sprite_preview.h"

#include <algorithm>

namespace tarnwick {

void DrawSpritePreview(ByteSpan contents, const PixelCanvas& canvas)
{
    const std::size_t columns = std::min(canvas.width, kSpriteRowLength);
    if (columns == 0 || canvas.height == 0)
        return;
    // The last row starts stride * (height - 1) pixels in and needs `columns` more.
    if (canvas.stride < columns || canvas.pixels.size() < columns ||
        (canvas.pixels.size() - columns) / canvas.stride < canvas.height - 1)
        return;  // a canvas that does not hold its own rows gets nothing
    for (std::size_t y = 0; y < canvas.height; ++y) {
        const std::size_t first = y * kSpriteRowLength;
        if (first >= contents.size())
            break;
        const std::size_t count = std::min(columns, contents.size() - first);
        std::uint32_t* row = canvas.pixels.data() + y * canvas.stride;
        for (std::size_t x = 0; x < count; ++x)
            row[x] = SpritePalette[contents[first + x] >> 4];
    }
}

}  // namespace tarnwick
