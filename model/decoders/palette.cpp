#include "model/decoders/palette.h"

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

constexpr std::size_t kColoursAt = 16;

std::uint32_t Opaque(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

}  // namespace

Decoded<Palette> DecodePalette(ByteSpan body)
{
    ByteReader reader(body);
    const auto version = reader.U32le();
    const auto count = reader.U32le();
    if (!count || !reader.Skip(kColoursAt - reader.Position()))
        return Decoded<Palette>::Decline("The palette is too short for its 16-byte header.");
    if (*count > kMaxPaletteColours)
        return Decoded<Palette>::Decline("The palette declares " + std::to_string(*count) +
                                         " colours; a palette holds at most 256.");
    Palette palette{*version, {}, {}};
    const std::size_t present = std::min<std::size_t>(*count, reader.Remaining() / 3);
    palette.colours.reserve(present);
    for (std::size_t i = 0; i < present; ++i) {
        const ByteSpan rgb = *reader.Bytes(3);
        palette.colours.push_back(Opaque(rgb[0], rgb[1], rgb[2]));
    }
    if (present < *count)
        palette.warning = "The data holds " + std::to_string(present) + " of the " + std::to_string(*count) +
                          " colours declared.";
    return Decoded<Palette>::Of(std::move(palette));
}

Palette GreyRamp()
{
    Palette ramp;
    for (std::uint32_t i = 0; i < kMaxPaletteColours; ++i)
        ramp.colours.push_back(Opaque(i, i, i));
    return ramp;
}

}  // namespace tarnwick
