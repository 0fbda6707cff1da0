#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

// The four rotations of an object, as a draw group's images name them.
inline constexpr std::uint32_t kDrawGroupDirections[] = {0x01, 0x04, 0x10, 0x40};
// Zooms: 1 far (smallest), 2 middle, 3 near (largest).
inline constexpr std::uint32_t kFarZoom = 1;
inline constexpr std::uint32_t kNearZoom = 3;
inline constexpr std::uint32_t kZoomsNearFirst[] = {3, 2, 1};

// One sprite frame placed in a draw group's image: its left edge at x, its
// bottom edge at y.
struct DrawGroupSprite {
    std::uint32_t spriteId = 0;  // a "SPR2" of the same file
    std::uint32_t frame = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t flags = 0;  // bit 0: drawn mirrored left to right
    float objectX = 0;        // small world-space nudges; a still picture ignores them
    float objectY = 0;
    float objectZ = 0;

    [[nodiscard]] bool Mirrored() const { return (flags & 1) != 0; }
};

// The picture of one rotation at one zoom.
struct DrawGroupImage {
    std::uint32_t direction = 0;  // 0x01, 0x04, 0x10 or 0x40
    std::uint32_t zoom = 0;       // 1 far ... 3 near
    std::vector<DrawGroupSprite> sprites;
};

struct DrawGroup {
    std::uint16_t version = 0;
    std::vector<DrawGroupImage> images;
    std::string warning;  // where the data ends early, or the bytes after the last image
};

// Decodes a "DGRP" body: versions 20000 and 20001 (16-bit counts), 20003 and
// 20004 (32-bit). Declines other versions and a header cut short; a group cut
// short keeps the images and entries it read.
[[nodiscard]] Decoded<DrawGroup> DecodeDrawGroup(ByteSpan body);

// The position in `group.images` of the first image of this rotation and zoom,
// or nothing when the group has none.
[[nodiscard]] std::optional<std::size_t> FindImage(const DrawGroup& group, std::uint32_t direction,
                                                   std::uint32_t zoom);

// Whether the image is one of the four rotations at the three zooms.
[[nodiscard]] bool IsDrawnImage(const DrawGroupImage& image);

// A line for each image the game never shows: "Image 12 (rotation 0x04, zoom 2)
// is a second one: not shown.", or "... is not one the game draws: ...".
[[nodiscard]] std::vector<std::string> UnshownImageNotes(const DrawGroup& group);

}  // namespace tarnwick
