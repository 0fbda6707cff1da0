// "DGRP": which sprite frames make up an object's picture, for each rotation
// and zoom.
#include "model/decoders/draw_group.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

struct Layout {
    bool wideCounts;         // 20003 and later: 32-bit counts and fields
    std::size_t imageBytes;  // an image's header
    std::size_t entryBytes;
};

std::optional<Layout> LayoutOf(std::uint16_t version)
{
    switch (version) {
    case 20000:
        return Layout{false, 4, 12};
    case 20001:
        return Layout{false, 4, 16};
    case 20003:
        return Layout{true, 12, 24};
    case 20004:
        return Layout{true, 12, 32};
    default:
        return std::nullopt;
    }
}

float Float(std::optional<std::uint32_t> bits) { return std::bit_cast<float>(bits.value_or(0)); }

// One entry from exactly its bytes, so every read succeeds.
DrawGroupSprite ReadEntry(std::uint16_t version, ByteSpan bytes)
{
    ByteReader reader(bytes);
    DrawGroupSprite entry;
    if (version < 20003) {
        reader.Skip(2);  // a type field no reader of the format uses
        entry.spriteId = reader.U16le().value_or(0);
        entry.frame = reader.U16le().value_or(0);
        entry.flags = reader.U16le().value_or(0);
        entry.x = reader.I16le().value_or(0);
        entry.y = reader.I16le().value_or(0);
        if (version == 20001)
            entry.objectZ = Float(reader.U32le());
        return entry;
    }
    entry.spriteId = reader.U32le().value_or(0);
    entry.frame = reader.U32le().value_or(0);
    entry.x = reader.I32le().value_or(0);
    entry.y = reader.I32le().value_or(0);
    entry.objectZ = Float(reader.U32le());
    entry.flags = reader.U32le().value_or(0);
    if (version == 20004) {
        entry.objectX = Float(reader.U32le());
        entry.objectY = Float(reader.U32le());
    }
    return entry;
}

struct ImageHeader {
    std::uint32_t direction;
    std::uint32_t zoom;
    std::uint32_t count;
};

std::optional<ImageHeader> ReadImageHeader(const Layout& layout, ByteSpan bytes)
{
    ByteReader reader(bytes);
    if (layout.wideCounts) {
        const auto direction = reader.U32le();
        const auto zoom = reader.U32le();
        const auto count = reader.U32le();
        if (!direction || !zoom || !count)
            return std::nullopt;
        return ImageHeader{*direction, *zoom, *count};
    }
    const auto count = reader.U16le();
    const auto direction = reader.U8();
    const auto zoom = reader.U8();
    if (!count || !direction || !zoom)
        return std::nullopt;
    return ImageHeader{*direction, *zoom, *count};
}

}  // namespace

Decoded<DrawGroup> DecodeDrawGroup(ByteSpan body)
{
    ByteReader reader(body);
    const auto version = reader.U16le();
    if (!version)
        return Decoded<DrawGroup>::Decline("The draw group is too short for its version.");
    const std::optional<Layout> layout = LayoutOf(*version);
    if (!layout)
        return Decoded<DrawGroup>::Decline("Draw group version " + std::to_string(*version) +
                                           " is not 20000, 20001, 20003 or 20004.");
    std::optional<std::uint32_t> imageCount;
    if (layout->wideCounts)
        imageCount = reader.U32le();
    else if (const auto narrow = reader.U16le())
        imageCount = *narrow;
    if (!imageCount)
        return Decoded<DrawGroup>::Decline("The draw group is too short for its image count.");

    DrawGroup group{*version, {}, {}};
    // Nothing is reserved from the counts: the loops stop where the data does.
    for (std::uint32_t i = 0; i < *imageCount; ++i) {
        const auto header = reader.Bytes(layout->imageBytes);
        const std::optional<ImageHeader> image = header ? ReadImageHeader(*layout, *header) : std::nullopt;
        if (!image) {
            group.warning = "The data ends before image " + std::to_string(i) + " of " +
                            std::to_string(*imageCount) + ".";
            return Decoded<DrawGroup>::Of(std::move(group));
        }
        DrawGroupImage& read = group.images.emplace_back();
        read.direction = image->direction;
        read.zoom = image->zoom;
        const std::size_t fits = reader.Remaining() / layout->entryBytes;
        const std::size_t count = std::min<std::size_t>(image->count, fits);
        read.sprites.reserve(count);
        for (std::size_t entry = 0; entry < count; ++entry)
            read.sprites.push_back(
                ReadEntry(*version, reader.Bytes(layout->entryBytes).value_or(ByteSpan{})));
        if (count < image->count) {
            group.warning = "Image " + std::to_string(i) + " lists " + std::to_string(image->count) +
                            " sprites; the data ends after " + std::to_string(count) + ".";
            return Decoded<DrawGroup>::Of(std::move(group));
        }
    }
    if (!reader.AtEnd())
        group.warning = std::to_string(reader.Remaining()) + " bytes follow the last image.";
    return Decoded<DrawGroup>::Of(std::move(group));
}

bool IsDrawnImage(const DrawGroupImage& image)
{
    return std::find(std::begin(kDrawGroupDirections), std::end(kDrawGroupDirections), image.direction) !=
               std::end(kDrawGroupDirections) &&
           image.zoom >= kFarZoom && image.zoom <= kNearZoom;
}

std::vector<std::string> UnshownImageNotes(const DrawGroup& group)
{
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < group.images.size(); ++i) {
        const DrawGroupImage& image = group.images[i];
        const bool drawn = IsDrawnImage(image);
        if (drawn && FindImage(group, image.direction, image.zoom) == i)
            continue;
        char rotation[16];
        std::snprintf(rotation, sizeof rotation, "0x%02x", image.direction);
        notes.push_back("Image " + std::to_string(i) + " (rotation " + rotation + ", zoom " +
                        std::to_string(image.zoom) + ") is " +
                        (drawn ? "a second one" : "not one the game draws") + ": not shown.");
    }
    return notes;
}

std::optional<std::size_t> FindImage(const DrawGroup& group, std::uint32_t direction, std::uint32_t zoom)
{
    for (std::size_t i = 0; i < group.images.size(); ++i)
        if (group.images[i].direction == direction && group.images[i].zoom == zoom)
            return i;
    return std::nullopt;
}

}  // namespace tarnwick
