#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/container/chunk_table.h"
#include "model/decoders/decoded.h"
#include "model/decoders/draw_group.h"
#include "model/decoders/sprite.h"

namespace tarnwick {

// A draw group image wider or taller than this is declined, not allocated.
inline constexpr std::int64_t kMaxCompositeSide = 4096;
// Nor is one whose frames together hold more pixels than this, so that many
// entries naming one large frame cannot keep the painter busy for minutes.
inline constexpr std::int64_t kMaxCompositePaint = std::int64_t{64} << 20;

// One image of a draw group as the game draws it.
struct Composite {
    int width = 0;  // 0 x 0 when no entry draws anything
    int height = 0;
    std::int64_t originX = 0;  // where the entries' (0, 0), the object's anchor, falls in the canvas
    std::int64_t originY = 0;
    std::vector<std::uint32_t> pixels;  // width * height, row by row: 0xAARRGGBB, straight alpha
    std::vector<std::string> warnings;  // entries left out: "Entry 3: no SPR2 512 (0x0200)"
    std::vector<std::string> palettes;  // palettes not found, and what was drawn with instead
};

// A draw group image placed in a larger picture (a tile of an object): its
// entries shifted by (x, y) pixels, its warnings headed by its name.
struct ShiftedImage {
    const DrawGroupImage* image = nullptr;
    std::int64_t x = 0;
    std::int64_t y = 0;
    std::string name;  // "Tile (1, 0)"; empty for a draw group alone
};

// Composites the images of draw groups against the sprites and palettes of
// one file, decoding each sprite and palette once however many images use it.
class DrawGroupCompositor {
public:
    explicit DrawGroupCompositor(const ChunkTable& chunks) : chunks_(chunks) {}

    // Each entry's frame with its left edge at x and bottom edge at y, mirrored
    // by flag bit 0; per pixel the smaller depth wins, at equal depth the later
    // entry, and a frame without depth paints over. Partly transparent pixels
    // pass the same test, then blend over what is there. Entries whose sprite
    // or frame is absent are left out with a warning; an image spanning more
    // than kMaxCompositeSide pixels a side is declined.
    [[nodiscard]] Decoded<Composite> Compose(const DrawGroupImage& image);
    // Several images in one canvas with one depth buffer, as if their shifted
    // entries were one image's, in the order given.
    [[nodiscard]] Decoded<Composite> Compose(std::span<const ShiftedImage> images);

private:
    using Colours = std::array<std::uint32_t, 256>;  // 0x00RRGGBB by palette index

    struct LoadedSprite {
        std::uint32_t id = 0;
        std::optional<Sprite> sprite;           // nothing when absent or unreadable
        std::string problem;                    // why there is no sprite
        std::vector<const Colours*> colours;    // a frame's colours, chosen when first drawn
        std::vector<std::string> paletteNotes;  // a frame's palette fallback, if any
    };

    LoadedSprite& Load(std::uint32_t spriteId);
    const Colours& ColoursOf(LoadedSprite& loaded, std::size_t frame);

    const ChunkTable& chunks_;
    std::unordered_map<std::uint32_t, LoadedSprite> sprites_;
    std::map<ChunkNumber, Colours> palettes_;  // by chunk number; 0 is the grey ramp
    std::vector<std::uint8_t> depths_;         // the image's depth per pixel, kept for the next image
};

// The twelve views of the object the game draws, composited with one sprite
// cache: view `zoomRow * 4 + rotation`, rows from the near zoom, rotations in
// kDrawGroupDirections' order; nothing where the group has no such image. At
// most twelve however many images the group lists.
[[nodiscard]] std::vector<std::optional<Decoded<Composite>>> ComposeViews(const DrawGroup& group,
                                                                          const ChunkTable& chunks);

}  // namespace tarnwick
