#include "synth/draw_group_builder.h"

#include <bit>

namespace tarnwick::fixtures {

namespace {

void Append(Bytes& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void AppendFloat(Bytes& out, float value) { Append(out, std::bit_cast<std::uint32_t>(value), 4); }

void AppendEntry(Bytes& out, std::uint16_t version, const DrawGroupSprite& entry)
{
    if (version < 20003) {
        Append(out, 0, 2);  // type
        Append(out, entry.spriteId, 2);
        Append(out, entry.frame, 2);
        Append(out, entry.flags, 2);
        Append(out, static_cast<std::uint32_t>(entry.x), 2);
        Append(out, static_cast<std::uint32_t>(entry.y), 2);
        if (version == 20001)
            AppendFloat(out, entry.objectZ);
        return;
    }
    Append(out, entry.spriteId, 4);
    Append(out, entry.frame, 4);
    Append(out, static_cast<std::uint32_t>(entry.x), 4);
    Append(out, static_cast<std::uint32_t>(entry.y), 4);
    AppendFloat(out, entry.objectZ);
    Append(out, entry.flags, 4);
    if (version >= 20004) {
        AppendFloat(out, entry.objectX);
        AppendFloat(out, entry.objectY);
    }
}

}  // namespace

Bytes DrawGroupBody(std::uint16_t version, const std::vector<DrawGroupImage>& images,
                    std::int64_t declaredCount)
{
    const bool wide = version >= 20003;
    const auto count = static_cast<std::uint32_t>(declaredCount < 0 ? static_cast<std::int64_t>(images.size())
                                                                    : declaredCount);
    Bytes out;
    Append(out, version, 2);
    Append(out, count, wide ? 4 : 2);
    for (const DrawGroupImage& image : images) {
        const auto sprites = static_cast<std::uint32_t>(image.sprites.size());
        if (wide) {
            Append(out, image.direction, 4);
            Append(out, image.zoom, 4);
            Append(out, sprites, 4);
        } else {
            Append(out, sprites, 2);
            Append(out, image.direction, 1);
            Append(out, image.zoom, 1);
        }
        for (const DrawGroupSprite& entry : image.sprites)
            AppendEntry(out, version, entry);
    }
    return out;
}

}  // namespace tarnwick::fixtures
