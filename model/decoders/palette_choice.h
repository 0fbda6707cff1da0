#pragma once

#include <cstddef>
#include <string>

#include "model/container/chunk_table.h"
#include "model/decoders/sprite.h"

namespace tarnwick {

// The palette a sprite frame is drawn with: a "PALT" chunk of the file (its
// 1-based number in the chunk table), or none for the grey ramp, and a line
// that says which one was used and why.
struct PaletteChoice {
    std::size_t chunkIndex = 0;  // 0: none found, draw with a grey ramp
    std::string note;
};

// Follows the game's rules: "SPR#" and "SPR2" version 1000 name their palette
// in the sprite header; version 1001 in each frame unless that holds 0 or
// 0xA3A3. One not found falls back to the PALT with the sprite's own ID, then
// to the file's first PALT.
[[nodiscard]] PaletteChoice ChoosePalette(const ChunkTable& chunks, std::uint16_t spriteId,
                                          const Sprite& sprite, const SpriteFrame& frame);

}  // namespace tarnwick
