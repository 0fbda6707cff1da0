#pragma once

#include <cstdint>

#include "synth/iff_builder.h"

// An object's picture as real object files hold it, for the demo folder, the
// screenshots and the benchmarks.
namespace tarnwick::fixtures {

inline constexpr std::uint16_t kShowcaseDrawGroupId = 100;

// Adds a side table with a floor lamp and a soft shadow: PALT 300, the SPR2s
// 300 (lamp), 301 (table) and 302 (shadow), each frame with depth and alpha,
// and DGRP 100 (version 20004) composing them in 4 rotations x 3 zooms. The
// lamp is listed before the table, so only the depth rule shows it in front
// where it stands in front; two rotations reuse the others' frames mirrored.
void AddShowcaseObject(IffBuilder& file);

inline constexpr std::uint16_t kShowcaseDefinitionId = 128;

// Adds the picture above and what makes it an object: OBJD 128 naming DGRP
// 100, its main behaviour (BHAV 4096, which calls 4097 and 4098), its tree
// table (TTAB and TTAs 200, "Turn On" and "Turn Off" in three languages),
// its catalogue strings (CTSS 128), BCON 4096 and GLOB 128.
void AddShowcaseObjectFile(IffBuilder& file);

}  // namespace tarnwick::fixtures
