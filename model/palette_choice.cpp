#include "model/palette_choice.h"

#include "model/chunk_summary.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kStaleFramePalette = 0xA3A3;

std::size_t FindPalette(const ChunkTable& chunks, std::uint32_t id)
{
    if (id > 0xFFFF)
        return 0;
    for (std::size_t i = 1; i <= chunks.Count(); ++i)
        if (const ChunkInfo* chunk = chunks.Find(static_cast<std::int64_t>(i));
            chunk->Type == "PALT" && ChunkId(*chunk) == id)
            return i;
    return 0;
}

std::size_t FirstPalette(const ChunkTable& chunks)
{
    for (std::size_t i = 1; i <= chunks.Count(); ++i)
        if (chunks.Find(static_cast<std::int64_t>(i))->Type == "PALT")
            return i;
    return 0;
}

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
    if (const std::size_t first = FirstPalette(chunks))
        return {first, missing + "drawn with the file's first PALT, " +
                           std::to_string(ChunkId(*chunks.Find(static_cast<std::int64_t>(first)))) + "."};
    return {0, missing + "drawn in shades of grey, the file has no palette."};
}

}  // namespace tarnwick
