#include "synth/multi_tile_object.h"

#include <cmath>
#include <map>
#include <string>

#include "model/decoders/draw_group.h"
#include "synth/draw_group_builder.h"
#include "synth/object_builder.h"
#include "synth/sprite_builder.h"
#include "synth/text_table_builder.h"

namespace tarnwick::fixtures {

namespace {

constexpr std::uint16_t kTilePaletteId = 300;
constexpr std::uint8_t kDepth = 100;  // one depth throughout: tiles in front win by order
constexpr std::uint32_t kTopColours[] = {0xE04040, 0xE09030, 0xD8D040, 0x50C050, 0x40C0C0,
                                         0x4070E0, 0x9050D0, 0xE070B0, 0xA07040};
constexpr int kColourCount = static_cast<int>(std::size(kTopColours));

std::uint32_t Darker(std::uint32_t colour, int percent)
{
    std::uint32_t result = 0;
    for (const int shift : {0, 8, 16})
        result |= ((colour >> shift & 0xFF) * static_cast<std::uint32_t>(percent) / 100) << shift;
    return result;
}

// Palette index of tile k's top, left side and right side.
int FaceIndex(int tile, int face) { return 1 + 3 * (tile % kColourCount) + face; }

std::vector<std::uint32_t> Colours()
{
    std::vector<std::uint32_t> colours(256, 0);
    for (int tile = 0; tile < kColourCount; ++tile) {
        colours[static_cast<std::size_t>(FaceIndex(tile, 0))] = kTopColours[tile];
        colours[static_cast<std::size_t>(FaceIndex(tile, 1))] = Darker(kTopColours[tile], 75);
        colours[static_cast<std::size_t>(FaceIndex(tile, 2))] = Darker(kTopColours[tile], 55);
    }
    return colours;
}

// The block on one tile at 1 / `scale` of the near size: the tile's floor
// diamond, 2w x 2h pixels, centred on the anchor, raised `height` pixels.
// Pixel centres never fall on a diamond's edge, so neighbours share no pixel
// and leave none out.
SpritePicture Block(int tile, int height, int scale)
{
    const double w = 64.0 / scale, h = 32.0 / scale, raised = static_cast<double>(height) / scale;
    SpritePicture picture{static_cast<int>(2 * w), static_cast<int>(2 * h + raised), {}, {}, {}};
    for (int row = 0; row < picture.height; ++row)
        for (int column = 0; column < picture.width; ++column) {
            const double x = column + 0.5 - w;              // from the anchor
            const double y = row + 0.5 - h - raised;        // from the anchor, the floor's bottom corner at h
            const double half = h * (1 - std::abs(x) / w);  // the diamond's half height in this column
            int index = -1;
            if (std::abs(y + raised) < half)
                index = FaceIndex(tile, 0);
            else if (y > -half - raised && y < half)
                index = FaceIndex(tile, x < 0 ? 1 : 2);
            picture.indices.push_back(index);
            picture.depth.push_back(kDepth);
            picture.alpha.push_back(index < 0 ? 0 : 31);
        }
    return picture;
}

}  // namespace

std::uint32_t TileTopColour(int tile) { return kTopColours[tile % kColourCount]; }

void AddMultiTileObjectFile(IffBuilder& file, const MultiTileObject& object)
{
    file.Chunk("PALT", "Tile colours", PaletteBody(Colours()), ChunkId(kTilePaletteId));
    const std::string name(object.name);
    int tile = 0;
    for (int x = 0; x < object.width; ++x)
        for (int y = 0; y < object.depth; ++y, ++tile) {
            const auto spriteId = static_cast<std::uint16_t>(kFirstTileSpriteId + tile);
            const auto drawGroupId = static_cast<std::uint16_t>(kFirstTileDrawGroupId + tile);
            std::vector<Bytes> frames;
            std::vector<DrawGroupImage> images;
            for (const std::uint32_t zoom : kZoomsNearFirst) {
                const int scale = 1 << (kNearZoom - zoom);
                const SpritePicture block = Block(tile, object.height, scale);
                const auto frame = static_cast<std::uint32_t>(frames.size());
                frames.push_back(Sprite2PictureFrame(
                    {static_cast<std::uint16_t>(block.width), static_cast<std::uint16_t>(block.height), 7,
                     kTilePaletteId, 0, 0, 0},
                    block));
                // Left edge half a tile left of the anchor, bottom edge at the floor's bottom corner.
                for (const std::uint32_t direction : kDrawGroupDirections)
                    images.push_back(
                        {direction, zoom, {{spriteId, frame, -64 / scale, 32 / scale, 0, 0, 0, 0}}});
            }
            const std::string where = " (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            const auto subIndex = static_cast<std::uint16_t>(x << 8 | y);
            file.Chunk("SPR2", "Tile" + where, Sprite2Body(1000, kTilePaletteId, frames), ChunkId(spriteId))
                .Chunk("DGRP", "Tile" + where, DrawGroupBody(20004, images), ChunkId(drawGroupId))
                .Chunk("OBJD", name + where,
                       ObjectDefinitionBody(138, 106,
                                            {{1, drawGroupId},
                                             {2, 1},
                                             {7, 4},
                                             {8, object.masterId},
                                             {9, subIndex},
                                             {12, static_cast<std::uint16_t>(0x7000 + tile)},
                                             {13, object.masterId}}),
                       ChunkId(static_cast<std::uint16_t>(kFirstTileDefinitionId + tile)));
        }
    file.Chunk("OBJD", name,
               ObjectDefinitionBody(138, 106,
                                    {{1, kMultiTileMissingGraphic},
                                     {2, 1},
                                     {7, 4},
                                     {8, object.masterId},
                                     {9, 0xFFFF},
                                     {12, 0x7FFF},
                                     {13, object.masterId},
                                     {16, static_cast<std::uint16_t>(150 * tile)},
                                     {39, kMultiTileMasterId}}),
               ChunkId(kMultiTileMasterId))
        .Chunk("CTSS", "Catalogue",
               TextTableBody(TextTableLayout::Languages,
                             {{1, name, ""},
                              {1, "A block of " + std::to_string(tile) + " tiles, one colour each.", ""}}),
               ChunkId(kMultiTileMasterId));
}

}  // namespace tarnwick::fixtures
