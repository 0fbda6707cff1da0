#include "synth/sprite_builder.h"

#include <algorithm>

namespace tarnwick::fixtures {

namespace {

void Append(Bytes& out, std::uint32_t value, int bytes, bool bigEndian)
{
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (bigEndian ? bytes - 1 - i : i);
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

std::size_t At(const SpritePicture& picture, int x, int y)
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
           static_cast<std::size_t>(x);
}

// Length of the run of pixels from x that are alike: all transparent, or all
// the same index.
int RunLength(const SpritePicture& picture, int x, int y, bool sameIndex)
{
    int end = x + 1;
    while (end < picture.width && (sameIndex || picture.indices[At(picture, end, y)] < 0) &&
           picture.indices[At(picture, end, y)] == picture.indices[At(picture, x, y)])
        ++end;
    return end - x;
}

bool RowIsEmpty(const SpritePicture& picture, int y)
{
    for (int x = 0; x < picture.width; ++x)
        if (picture.indices[At(picture, x, y)] >= 0)
            return false;
    return true;
}

// "SPR#" pixel commands of one row.
Bytes OldRowCommands(const SpritePicture& picture, int y)
{
    Bytes out;
    for (int x = 0; x < picture.width;) {
        const int index = picture.indices[At(picture, x, y)];
        const int same = std::min(RunLength(picture, x, y, true), 255);
        if (index < 0) {
            out.insert(out.end(), {0x01, static_cast<std::uint8_t>(same)});
        } else if (same > 1) {
            out.insert(out.end(),
                       {0x02, static_cast<std::uint8_t>(same), static_cast<std::uint8_t>(index), 0});
        } else {
            int n = 0;
            while (x + n < picture.width && n < 255 && picture.indices[At(picture, x + n, y)] >= 0)
                ++n;
            out.insert(out.end(), {0x03, static_cast<std::uint8_t>(n)});
            for (int i = 0; i < n; ++i)
                out.push_back(static_cast<std::uint8_t>(picture.indices[At(picture, x + i, y)]));
            if (n % 2)
                out.push_back(0);
            x += n;
            continue;
        }
        x += same;
    }
    return out;
}

// "SPR2" pixel commands of one row: 1 with depth, 2 with alpha, 6 with colour only.
Bytes Sprite2RowCommands(const Sprite2FrameHeader& header, const SpritePicture& picture, int y)
{
    const bool alpha = (header.flags & 4) != 0, depth = (header.flags & 2) != 0;
    Bytes out;
    for (int x = 0; x < picture.width;) {
        int n = 1;
        const bool transparent = picture.indices[At(picture, x, y)] < 0;
        while (x + n < picture.width && (picture.indices[At(picture, x + n, y)] < 0) == transparent)
            ++n;
        if (transparent) {
            Append(out, Sprite2Command(3, static_cast<std::size_t>(n)));
        } else {
            const unsigned code = alpha ? 2 : depth ? 1 : 6;
            Append(out, Sprite2Command(code, static_cast<std::size_t>(n)));
            std::size_t written = 0;
            for (int i = 0; i < n; ++i) {
                const std::size_t at = At(picture, x + i, y);
                if (code != 6)
                    out.push_back(picture.depth[at]), ++written;
                out.push_back(static_cast<std::uint8_t>(picture.indices[at])), ++written;
                if (code == 2)
                    out.push_back(picture.alpha[at]), ++written;
            }
            if (written % 2)
                out.push_back(0);
        }
        x += n;
    }
    return out;
}

}  // namespace

Bytes PaletteBody(const std::vector<std::uint32_t>& colours, std::uint32_t version,
                  std::int64_t declaredCount)
{
    Bytes out;
    Append(out, version, 4, false);
    Append(out,
           static_cast<std::uint32_t>(declaredCount < 0 ? static_cast<std::int64_t>(colours.size())
                                                        : declaredCount),
           4, false);
    out.resize(16, 0);
    for (const std::uint32_t colour : colours)
        Append(out, colour, 3, true);
    return out;
}

Bytes OldSpriteFrameHeader(std::uint16_t width, std::uint16_t height, bool bigEndian)
{
    Bytes out(4, 0);
    Append(out, height, 2, bigEndian);
    Append(out, width, 2, bigEndian);
    return out;
}

Bytes OldSpriteFrame(const SpritePicture& picture, bool bigEndian)
{
    Bytes out = OldSpriteFrameHeader(static_cast<std::uint16_t>(picture.width),
                                     static_cast<std::uint16_t>(picture.height), bigEndian);
    out.insert(out.end(), {0x00, 0x00});  // start marker
    for (int y = 0; y < picture.height; ++y) {
        if (RowIsEmpty(picture, y)) {
            out.insert(out.end(), {0x09, 0x01});
            continue;
        }
        const Bytes row = OldRowCommands(picture, y);
        out.insert(out.end(), {0x04, static_cast<std::uint8_t>(row.size() + 2)});
        Append(out, row);
    }
    out.insert(out.end(), {0x05, 0x00});
    return out;
}

Bytes OldSpriteBody(std::uint32_t version, std::uint32_t paletteId, const std::vector<Bytes>& frames,
                    bool bigEndian)
{
    Bytes out;
    Append(out, version, 4, bigEndian);
    Append(out, static_cast<std::uint32_t>(frames.size()), 4, bigEndian);
    Append(out, paletteId, 4, bigEndian);
    if (version == 1001) {
        for (const Bytes& frame : frames) {
            Append(out, 1001, 4, bigEndian);
            Append(out, static_cast<std::uint32_t>(frame.size()), 4, bigEndian);
            Append(out, frame);
        }
        return out;
    }
    auto offset = static_cast<std::uint32_t>(12 + 4 * frames.size());
    for (const Bytes& frame : frames) {
        Append(out, offset, 4, bigEndian);
        offset += static_cast<std::uint32_t>(frame.size());
    }
    for (const Bytes& frame : frames)
        Append(out, frame);
    return out;
}

Bytes Sprite2Command(unsigned code, std::size_t count)
{
    Bytes out;
    Append(out, static_cast<std::uint32_t>(code << 13 | (count & 0x1FFF)), 2, false);
    return out;
}

Bytes Sprite2Frame(const Sprite2FrameHeader& header, const Bytes& commands)
{
    Bytes out;
    Append(out, header.width, 2, false);
    Append(out, header.height, 2, false);
    Append(out, header.flags, 4, false);
    Append(out, header.paletteId, 2, false);
    Append(out, header.transparentIndex, 2, false);
    Append(out, static_cast<std::uint16_t>(header.y), 2, false);
    Append(out, static_cast<std::uint16_t>(header.x), 2, false);
    Append(out, commands);
    return out;
}

Bytes Sprite2PictureFrame(Sprite2FrameHeader header, const SpritePicture& picture)
{
    header.width = static_cast<std::uint16_t>(picture.width);
    header.height = static_cast<std::uint16_t>(picture.height);
    Bytes commands;
    for (int y = 0; y < picture.height; ++y) {
        if (RowIsEmpty(picture, y)) {
            Append(commands, Sprite2Command(4, 1));
            continue;
        }
        const Bytes row = Sprite2RowCommands(header, picture, y);
        Append(commands, Sprite2Command(0, row.size() + 2));
        Append(commands, row);
    }
    Append(commands, Sprite2Command(5, 0));
    return Sprite2Frame(header, commands);
}

Bytes Sprite2Body(std::uint32_t version, std::uint32_t paletteId, const std::vector<Bytes>& frames)
{
    Bytes out;
    Append(out, version, 4, false);
    if (version == 1001) {
        Append(out, paletteId, 4, false);
        Append(out, static_cast<std::uint32_t>(frames.size()), 4, false);
        for (const Bytes& frame : frames) {
            Append(out, 1001, 4, false);
            Append(out, static_cast<std::uint32_t>(frame.size()), 4, false);
            Append(out, frame);
        }
        return out;
    }
    Append(out, static_cast<std::uint32_t>(frames.size()), 4, false);
    Append(out, paletteId, 4, false);
    auto offset = static_cast<std::uint32_t>(12 + 4 * frames.size());
    for (const Bytes& frame : frames) {
        Append(out, offset, 4, false);
        offset += static_cast<std::uint32_t>(frame.size());
    }
    for (const Bytes& frame : frames)
        Append(out, frame);
    return out;
}

}  // namespace tarnwick::fixtures
