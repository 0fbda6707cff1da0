#pragma once

#include <cstdint>
#include <vector>

#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// The ID field of a chunk header: the 16-bit ID, then 16 bits of flags.
[[nodiscard]] constexpr std::uint32_t ChunkId(std::uint16_t id, std::uint16_t flags = 0)
{
    return std::uint32_t{id} << 16 | flags;
}

// A "PALT" body of these colours (0xRRGGBB); the count field says `declaredCount`
// when given, else the number of colours.
[[nodiscard]] Bytes PaletteBody(const std::vector<std::uint32_t>& colours, std::uint32_t version = 1,
                                std::int64_t declaredCount = -1);

// A sprite frame's pixels, row by row: a palette index, or -1 for transparent;
// depth and alpha (0-31) per pixel when the frame has those channels.
struct SpritePicture {
    int width = 0;
    int height = 0;
    std::vector<int> indices;
    std::vector<std::uint8_t> depth;
    std::vector<std::uint8_t> alpha;
};

// "SPR#": a frame's header and the commands that draw `picture`: transparent
// runs, runs of one index and runs of different ones, with empty rows skipped.
[[nodiscard]] Bytes OldSpriteFrame(const SpritePicture& picture, bool bigEndian = false);
// "SPR#": a frame's header (height first) before commands written by hand.
[[nodiscard]] Bytes OldSpriteFrameHeader(std::uint16_t width, std::uint16_t height, bool bigEndian = false);
// "SPR#" body: version 502-505 with an offset table, or 1001 with each frame
// in a record of its own.
[[nodiscard]] Bytes OldSpriteBody(std::uint32_t version, std::uint32_t paletteId,
                                  const std::vector<Bytes>& frames, bool bigEndian = false);

struct Sprite2FrameHeader {
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint32_t flags = 1;  // bit 0 colour, bit 1 depth, bit 2 alpha
    std::uint16_t paletteId = 0;
    std::uint16_t transparentIndex = 0;
    std::int16_t y = 0;
    std::int16_t x = 0;
};

// "SPR2": one 16-bit command, its code in the top 3 bits.
[[nodiscard]] Bytes Sprite2Command(unsigned code, std::size_t count);
// "SPR2": a frame header before commands written by hand.
[[nodiscard]] Bytes Sprite2Frame(const Sprite2FrameHeader& header, const Bytes& commands);
// "SPR2": the frame that draws `picture`, with the channels `header.flags` names.
[[nodiscard]] Bytes Sprite2PictureFrame(Sprite2FrameHeader header, const SpritePicture& picture);
// "SPR2" body: version 1000 with an offset table, or 1001 with the frames back to back.
[[nodiscard]] Bytes Sprite2Body(std::uint32_t version, std::uint32_t paletteId,
                                const std::vector<Bytes>& frames);

}  // namespace tarnwick::fixtures
