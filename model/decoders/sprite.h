#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"
#include "model/decoders/pixel_plane.h"

namespace tarnwick {

// Frames wider or taller than this are declined, not allocated.
inline constexpr int kMaxFrameSide = 16384;
// A frame may cover at most this many pixels per byte of its data: even a
// frame of skipped rows needs bytes for them, so a tiny chunk that declares a
// huge frame costs nothing.
inline constexpr std::size_t kMaxPixelsPerFrameByte = 16384;
// All frames of a sprite together cover at most this many pixels (192 MB of
// planes at most), however long the sprite: real sprites hold well under a
// million.
inline constexpr std::size_t kMaxSpritePixels = std::size_t{1} << 26;

// One decoded sprite frame: per pixel a palette index, an opacity and, with a
// depth channel, a depth. Pixels no command wrote are transparent.
struct SpriteFrame {
    int width = 0;  // 0, or a height of 0: a blank frame
    int height = 0;
    std::int16_t x = 0;  // "SPR2": where the frame sits in the object's drawing box
    std::int16_t y = 0;
    std::uint16_t paletteId = 0;         // "SPR2": the frame's own palette field
    std::uint16_t transparentIndex = 0;  // "SPR2": the index untouched pixels hold
    std::uint32_t flags = 1;             // "SPR2": bit 0 colour, bit 1 depth, bit 2 alpha
    PixelPlane indices;                  // width * height, row by row
    PixelPlane opacity;                  // 0 transparent ... 255 opaque
    PixelPlane depth;                    // 0 near ... 255 far; empty without a depth channel
    std::string problem;  // why decoding stopped early or drew nothing; rows before it are kept

    [[nodiscard]] bool HasDepth() const { return (flags & 2) != 0; }
    [[nodiscard]] bool HasAlpha() const { return (flags & 4) != 0; }
};

enum class SpriteKind { Old, WithDepth };  // "SPR#", "SPR2"

struct Sprite {
    SpriteKind kind = SpriteKind::Old;
    std::uint32_t version = 0;
    std::uint32_t paletteId = 0;  // the header's palette ID
    bool bigEndian = false;       // "SPR#" only: its numbers are big-endian
    std::vector<SpriteFrame> frames;
};

// Decodes a "SPR#" body: versions 502-505 with their offset table, and 1001
// with its frames back to back. Declines other versions and a header or
// offset table cut short.
[[nodiscard]] Decoded<Sprite> DecodeOldSprite(ByteSpan body);

// Decodes a "SPR2" body: version 1000 with its offset table, 1001 with its
// frames back to back. Declines other versions and a header or offset table
// cut short.
[[nodiscard]] Decoded<Sprite> DecodeSprite2(ByteSpan body);

// For the decoders: the pixels a sprite's frames may still claim, all frames
// together: kMaxPixelsPerFrameByte for each byte of the sprite, up to
// kMaxSpritePixels. Frames that share their data (offsets that repeat or run
// backwards) cannot multiply it.
class PixelBudget {
public:
    explicit PixelBudget(std::size_t spriteBytes)
        : bytesLeft_(std::min(spriteBytes, kMaxSpritePixels / kMaxPixelsPerFrameByte))
    {
    }
    // Takes what a frame of `pixels` needs; false, taking nothing, when it is
    // more than is left.
    bool Take(std::size_t pixels);

private:
    std::size_t bytesLeft_;
};

// For the decoders: gives the frame its pixels, all transparent with index
// `fill`, when its size is sound for `dataBytes` of commands and the sprite's
// budget; otherwise says why in the frame's problem and returns false.
bool AllocateFrame(SpriteFrame& frame, std::size_t dataBytes, std::uint8_t fill, PixelBudget& budget);

// For the decoders: sets the pixel at (x, y), or returns false when it falls
// outside the frame.
bool PutPixel(SpriteFrame& frame, std::size_t x, std::size_t y, std::uint8_t index, std::uint8_t opacity,
              std::uint8_t depth);

}  // namespace tarnwick
