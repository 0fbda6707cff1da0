#include "model/decoders/palette_choice.h"

#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kStaleFramePalette = 0xA3A3;

std::size_t FindPalette(const ChunkTable& chunks, std::uint32_t id) { return FindChunk(chunks, "PALT", id); }

}  // namespace

PaletteChoice ChoosePalette(const ChunkTable& chunks, std::uint16_t spriteId, const Sprite& sprite,
                            const SpriteFrame& frame)
{
    std::uint32_t wanted = sprite.paletteId;
    if (sprite.kind == SpriteKind::WithDepth && sprite.version == 1001 && frame.paletteId != 0 &&
        frame.paletteId != kStaleFramePalette)
        wanted = frame.paletteId;
    if (const std::size_t found = FindPalette(chunks, wanted))
        return {found, "PALT " + std::to_string(wanted)};

    const std::string missing = "No PALT " + std::to_string(wanted) + ": ";
    if (const std::size_t own = FindPalette(chunks, spriteId))
        return {own, missing + "drawn with PALT " + std::to_string(spriteId) + ", the sprite's own ID."};
    if (const std::size_t first = FindFirstChunk(chunks, "PALT"))
        return {first, missing + "drawn with the file's first PALT, " +
                           std::to_string(ChunkId(*chunks.Find(static_cast<std::int64_t>(first)))) + "."};
    return {0, missing + "drawn in shades of grey, the file has no palette."};
}

}  // namespace tarnwick
