#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/container/byte_string.h"
#include "model/decoders/decoded.h"

namespace tarnwick {

inline constexpr std::size_t kMaxPaletteColours = 256;

// A "PALT" chunk's colours.
struct Palette {
    std::uint32_t version = 0;           // 0 or 1 in real files; any is accepted
    std::vector<std::uint32_t> colours;  // 0xFFRRGGBB
    std::string warning;                 // the colours the data lacks, if any
};

// Decodes a palette's body. Declines one too short for its header or declaring
// more than 256 colours; a count past the data gives the colours that are there.
[[nodiscard]] Decoded<Palette> DecodePalette(ByteSpan body);

// The grey ramp drawn with when a sprite has no palette: index i is grey i.
[[nodiscard]] Palette GreyRamp();

}  // namespace tarnwick
