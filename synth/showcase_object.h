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

}  // namespace tarnwick::fixtures
