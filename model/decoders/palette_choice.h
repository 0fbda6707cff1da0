#pragma once

#include <cstdint>
#include <string>

#include "model/container/chunk_table.h"
#include "model/decoders/palette.h"
#include "model/decoders/sprite.h"

namespace tarnwick {

// The palette a sprite frame is drawn with, and a line that says which one was
// used and why.
struct PaletteChoice {
    ChunkNumber chunk = 0;  // the "PALT" drawn with; 0 for the grey ramp
    Palette palette;        // its colours, or the grey ramp
    std::string note;
    bool fellBack = false;  // the palette named was absent or could not be read
};

// Follows the game's rules: "SPR#" and "SPR2" version 1000 name their palette
// in the sprite header; version 1001 in each frame unless that holds 0 or
// 0xA3A3. One not found, or one that cannot be read, falls back to the PALT
// with the sprite's own ID, then to the file's first PALT that reads, then to
// the grey ramp.
[[nodiscard]] PaletteChoice ChoosePalette(const ChunkTable& chunks, std::uint16_t spriteId,
                                          const Sprite& sprite, const SpriteFrame& frame);

}  // namespace tarnwick
