#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/container/byte_string.h"

namespace tarnwick {

// A rough look at contents nobody decodes: each byte one pixel, 65 to a row,
// coloured by its high four bits from the classic 16-colour palette.
inline constexpr std::size_t kSpriteRowLength = 65;

// Colours as 0xFFRRGGBB.
inline constexpr std::array<std::uint32_t, 16> SpritePalette = {
    0xFF000000, 0xFF000080, 0xFF008000, 0xFF008080, 0xFF800000, 0xFF800080, 0xFF808000, 0xFFC0C0C0,
    0xFF808080, 0xFF0000FF, 0xFF00FF00, 0xFF00FFFF, 0xFFFF0000, 0xFFFF00FF, 0xFFFFFF00, 0xFFFFFFFF,
};

// An image to draw into: `height` rows of `width` pixels, each row starting
// `stride` pixels after the one before.
struct PixelCanvas {
    std::span<std::uint32_t> pixels;
    std::size_t width = 0;
    std::size_t height = 0;
    std::size_t stride = 0;
};

// Draws byte k of `contents` at (k mod 65, k / 65). Only bytes whose pixels
// fall on the canvas are read, so the cost is bounded by the canvas, not by
// the contents. Pixels of no byte keep what they held.
void DrawSpritePreview(ByteSpan contents, const PixelCanvas& canvas);

}  // namespace tarnwick
