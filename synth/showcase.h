#pragma once

#include <cstdint>

#include "synth/iff_builder.h"

// Chunk bodies that show what the inspector decodes, for the demo folder and
// the screenshots.
namespace tarnwick::fixtures {

// A "CTSS" of a towel's name in eight languages, each in its own code page,
// followed by the A3 filler real tables end with.
[[nodiscard]] Bytes ShowcaseTextTable();
// A "PALT" of 256 warm colours.
[[nodiscard]] Bytes ShowcasePalette();
// A "SPR2" (version 1000, colour, depth and alpha) of a shaded ball at four
// sizes, whose frames' own palette fields are stale, as in real files.
[[nodiscard]] Bytes ShowcaseSprite2(std::uint32_t paletteId);
// A "SPR#" (version 504) of the ball at three sizes.
[[nodiscard]] Bytes ShowcaseOldSprite(std::uint32_t paletteId);

}  // namespace tarnwick::fixtures
