#include "model/decoders/palette_choice.h"

#include <gtest/gtest.h>

#include "model/container/chunk_walker.h"
#include "synth/iff_builder.h"
#include "synth/sprite_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

// A palette chunk of the file: its ID, and whether its body reads.
struct PaletteChunk {
    std::uint16_t id;
    bool readable = true;
};

// A file of one sprite (ID 1, chunk 1) and these palettes (chunks 2, 3 ...).
ChunkTable FileWith(const std::vector<PaletteChunk>& palettes)
{
    fixtures::IffBuilder file;
    file.Chunk("SPR2", "", {}, fixtures::ChunkId(1));
    for (const PaletteChunk& palette : palettes)
        file.Chunk("PALT", "", palette.readable ? fixtures::PaletteBody({0x102030}) : Bytes{1, 2},
                   fixtures::ChunkId(palette.id));
    ChunkTable chunks;
    ChunkWalker walker{ByteString(file.Build())};
    while (auto chunk = walker.Next())
        chunks.Add(std::move(*chunk));
    return chunks;
}

SpriteFrame FrameNaming(std::uint16_t id)
{
    SpriteFrame frame;
    frame.paletteId = id;
    return frame;
}

TEST(ChoosePalette, FollowsTheHeaderOrTheFrameThenFallsBack)
{
    const Sprite v1000{SpriteKind::WithDepth, 1000, 20, false, {}};
    const Sprite v1001{SpriteKind::WithDepth, 1001, 20, false, {}};
    const Sprite old{SpriteKind::Old, 504, 0xFFFFFFFF, false, {}};
    const struct {
        const char* name;
        std::vector<PaletteChunk> palettes;
        Sprite sprite;
        SpriteFrame frame;
        ChunkNumber chosen;  // 0 for the grey ramp
        bool fellBack;
    } rows[] = {
        {"1000 takes the header's, not the frame's", {{30}, {20}}, v1000, FrameNaming(30), 3, false},
        {"1001 takes the frame's", {{30}, {20}}, v1001, FrameNaming(30), 2, false},
        {"1001 takes the header's for a frame of 0", {{30}, {20}}, v1001, FrameNaming(0), 3, false},
        {"1001 takes the header's for a frame of A3A3", {{30}, {20}}, v1001, FrameNaming(0xA3A3), 3, false},
        {"none found: the sprite's own ID", {{5}, {1}}, v1000, FrameNaming(0), 3, true},
        {"an ID over 65535 matches nothing: the first PALT", {{0xFFFF}, {6}}, old, FrameNaming(0), 2, true},
        {"no palette at all: grey", {}, v1001, FrameNaming(4), 0, true},
        {"the one named does not read: the sprite's own ID",
         {{20, false}, {1}},
         v1000,
         FrameNaming(0),
         3,
         true},
        {"neither reads: the first that does",
         {{7}, {20, false}, {1, false}, {8}},
         v1000,
         FrameNaming(0),
         2,
         true},
        {"the first does not read: the next", {{7, false}, {8}}, v1000, FrameNaming(0), 3, true},
        {"none reads: grey", {{20, false}, {1, false}}, v1000, FrameNaming(0), 0, true},
    };
    for (const auto& row : rows) {
        const PaletteChoice choice = ChoosePalette(FileWith(row.palettes), 1, row.sprite, row.frame);
        EXPECT_EQ(choice.chunk, row.chosen) << row.name << ": " << choice.note;
        EXPECT_EQ(choice.fellBack, row.fellBack) << row.name << ": " << choice.note;
        EXPECT_EQ(choice.palette.colours.size(), row.chosen == 0 ? 256u : 1u) << row.name;
        EXPECT_NE(choice.note, "") << row.name;
    }
}

TEST(ChoosePalette, SaysWhichItUsedAndWhy)
{
    const Sprite sprite{SpriteKind::WithDepth, 1000, 20, false, {}};
    const Sprite mask{SpriteKind::Old, 504, 0xFFFFFFFF, false, {}};
    const Sprite farOff{SpriteKind::Old, 504, 0x10000, false, {}};
    const struct {
        const char* name;
        std::vector<PaletteChunk> palettes;
        Sprite sprite;
        std::string note;
    } rows[] = {
        {"the one named", {{20}}, sprite, "PALT 20 (0x0014)"},
        {"the one named does not read",
         {{20, false}, {1}},
         sprite,
         "PALT 20 (0x0014) cannot be read (The palette is too short for its 16-byte header.): drawn with "
         "PALT 1 (0x0001), the sprite's own ID."},
        {"the first that reads",
         {{9, false}, {8}},
         sprite,
         "No PALT 20 (0x0014): drawn with the file's first readable PALT, 8 (0x0008)."},
        {"none", {}, sprite, "No PALT 20 (0x0014): drawn in shades of grey, the file has no palette."},
        // A mask names no palette by the ID 0xFFFFFFFF.
        {"a mask",
         {{1}},
         mask,
         "The sprite names no palette: drawn with PALT 1 (0x0001), the sprite's own ID."},
        {"an ID no chunk can have",
         {{8}},
         farOff,
         "The palette ID 65536 (0x10000) can name no chunk: drawn with the file's first PALT, 8 (0x0008)."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChoosePalette(FileWith(row.palettes), 1, row.sprite, {}).note, row.note) << row.name;
}

}  // namespace
}  // namespace tarnwick
