#pragma once

#include <cstdint>
#include <string_view>

#include "synth/iff_builder.h"

// Objects of several tiles, each tile a definition of its own with its own
// draw group, for the tests, the demo folder and the screenshots.
namespace tarnwick::fixtures {

// A block `width` tiles along x and `depth` along y, `height` near-zoom
// pixels tall, each tile in a colour of its own (lit top, shaded sides) so
// that a tile out of place, a gap or an overlap shows.
struct MultiTileObject {
    std::string_view name;
    int width;
    int depth;
    int height;
    std::uint16_t masterId;
};

inline constexpr MultiTileObject kTwoTileBench{"Two-tile bench", 2, 1, 40, 0x0201};
inline constexpr MultiTileObject kNineTileStage{"Nine-tile stage", 3, 3, 24, 0x0303};

// The master's OBJD and catalogue strings: a base graphic the file lacks, as
// real masters have.
inline constexpr std::uint16_t kMultiTileMasterId = 128;
inline constexpr std::uint16_t kMultiTileMissingGraphic = 100;
// Tile k (x * depth + y) is OBJD 129 + k, DGRP 101 + k, SPR2 200 + k.
inline constexpr std::uint16_t kFirstTileDefinitionId = 129;
inline constexpr std::uint16_t kFirstTileDrawGroupId = 101;
inline constexpr std::uint16_t kFirstTileSpriteId = 200;

// Colour 0xRRGGBB of tile k's top face; its sides are darker.
[[nodiscard]] std::uint32_t TileTopColour(int tile);

// Adds the object: PALT 300, a SPR2 a tile (a frame a zoom, used by all four
// rotations), a DGRP a tile (4 rotations x 3 zooms), an OBJD a tile with the
// group's master ID and its sub-index (x high byte, y low), the master OBJD
// with sub-index -1, and CTSS 128 with its name.
void AddMultiTileObjectFile(IffBuilder& file, const MultiTileObject& object);

}  // namespace tarnwick::fixtures
