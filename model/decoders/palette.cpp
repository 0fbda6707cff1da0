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
    const auto header = reader.Bytes(kColoursAt);
    if (!header)
        return Decoded<Palette>::Decline("The palette is too short for its 16-byte header.");
    ByteReader field(*header);
    const std::uint32_t version = field.U32le().value_or(0);
    const std::uint32_t count = field.U32le().value_or(0);
    if (count > kMaxPaletteColours)
        return Decoded<Palette>::Decline("The palette declares " + std::to_string(count) +
                                         " colours; a palette holds at most 256.");
    Palette palette{version, {}, {}};
    const std::size_t present = std::min<std::size_t>(count, reader.Remaining() / 3);
    const ByteSpan colours = reader.Bytes(present * 3).value_or(ByteSpan{});  // as many as remain
    palette.colours.reserve(present);
    for (std::size_t at = 0; at + 3 <= colours.size(); at += 3)
        palette.colours.push_back(Opaque(colours[at], colours[at + 1], colours[at + 2]));
    if (present < count)
        palette.warning = "The data holds " + std::to_string(present) + " of the " + std::to_string(count) +
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
