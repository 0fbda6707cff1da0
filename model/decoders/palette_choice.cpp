#include "model/decoders/palette_choice.h"

#include <optional>

#include "model/container/chunk_lookup.h"
#include "model/container/chunk_summary.h"
#include "model/container/chunk_types.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t kStaleFramePalette = 0xA3A3;

// One palette that may be drawn with: the PALT found, and its colours when
// they read.
struct Candidate {
    ChunkNumber chunk = 0;
    std::optional<Palette> palette;
    std::string declined;
};

Candidate Read(const ChunkTable& chunks, ChunkNumber number)
{
    const ChunkInfo* chunk = chunks.Find(number);
    if (chunk == nullptr)
        return {};
    Decoded<Palette> read = DecodePalette(ChunkBody(*chunk));
    return {number, std::move(read.value), std::move(read.declined)};
}

Candidate WithId(const ChunkTable& chunks, std::uint32_t id)
{
    return Read(chunks, FindChunk(chunks, chunk_type::kPalette, id));
}

// The palette ID of sprites that have none, as masks and shadows.
constexpr std::uint32_t kNoPalette = 0xFFFFFFFF;

// Why the palette named cannot be used, as the note's first words.
std::string WhyNot(const Candidate& named, std::uint32_t id)
{
    if (id == kNoPalette)
        return "The sprite names no palette: ";
    if (id > 0xFFFF)
        return "The palette ID " + ChunkIdText(id) + " can name no chunk: ";
    if (named.chunk == 0)
        return "No " + ChunkName(chunk_type::kPalette, id) + ": ";
    return ChunkName(chunk_type::kPalette, id) + " cannot be read (" + named.declined + "): ";
}

}  // namespace

PaletteChoice ChoosePalette(const ChunkTable& chunks, std::uint16_t spriteId, const Sprite& sprite,
                            const SpriteFrame& frame)
{
    std::uint32_t wanted = sprite.paletteId;
    if (sprite.kind == SpriteKind::WithDepth && sprite.version == 1001 && frame.paletteId != 0 &&
        frame.paletteId != kStaleFramePalette)
        wanted = frame.paletteId;
    Candidate named = WithId(chunks, wanted);
    if (named.palette)
        return {named.chunk, std::move(*named.palette), ChunkName(chunk_type::kPalette, wanted), false};

    const std::string why = WhyNot(named, wanted);
    if (Candidate own = WithId(chunks, spriteId); own.palette)
        return {own.chunk, std::move(*own.palette),
                why + "drawn with " + ChunkName(chunk_type::kPalette, spriteId) + ", the sprite's own ID.",
                true};
    bool anyPalette = false;
    for (ChunkNumber number = 1; number <= chunks.Count(); ++number) {
        if (chunks.Find(number)->Type != chunk_type::kPalette)
            continue;
        Candidate first = Read(chunks, number);
        if (first.palette)
            return {number, std::move(*first.palette),
                    why + "drawn with the file's first " + (anyPalette ? "readable " : "") + "PALT, " +
                        ChunkIdText(chunks.Find(number)->Id) + ".",
                    true};
        anyPalette = true;
    }
    return {0, GreyRamp(),
            why + (anyPalette ? "drawn in shades of grey, no palette of the file reads."
                              : "drawn in shades of grey, the file has no palette."),
            true};
}

}  // namespace tarnwick
