#include "model/decoders/palette.h"

#include <gtest/gtest.h>

#include "synth/sprite_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::PaletteBody;

std::vector<std::uint32_t> Ramp(std::size_t count)
{
    std::vector<std::uint32_t> colours;
    for (std::uint32_t i = 0; i < count; ++i)
        colours.push_back(i << 16 | (255 - i % 256) << 8 | 0x40);
    return colours;
}

TEST(DecodePalette, ReadsTheColoursThereAre)
{
    const struct {
        const char* name;
        Bytes body;
        std::size_t colours;  // declined when npos
        bool warned = false;
    } rows[] = {
        {"256 colours, version 0", PaletteBody(Ramp(256), 0), 256},
        {"3 colours, version 1", PaletteBody(Ramp(3), 1), 3},
        {"no colours", PaletteBody({}), 0},
        {"a count past the data keeps the colours there", PaletteBody(Ramp(4), 1, 6), 4, true},
        {"a colour cut short is left out",
         [] {
             Bytes b = PaletteBody(Ramp(2));
             b.pop_back();
             return b;
         }(),
         1, true},
        {"more than 256 colours", PaletteBody(Ramp(257)), std::string::npos},
        {"a header cut short", Bytes(15, 0), std::string::npos},
    };
    for (const auto& row : rows) {
        const Decoded<Palette> palette = DecodePalette(row.body);
        if (row.colours == std::string::npos) {
            EXPECT_FALSE(palette.value) << row.name;
            continue;
        }
        ASSERT_TRUE(palette.value) << row.name;
        const std::vector<std::uint32_t> expected = Ramp(row.colours);
        ASSERT_EQ(palette.value->colours.size(), expected.size()) << row.name;
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(palette.value->colours[i], 0xFF000000 | expected[i]) << row.name << " colour " << i;
        EXPECT_EQ(palette.value->warning.empty(), !row.warned) << row.name;
    }
}

TEST(DecodePalette, ReadsAPaletteWrittenByHand)
{
    const Bytes body = {
        0x01, 0x00, 0x00, 0x00,              // version 1
        0x03, 0x00, 0x00, 0x00,              // three colours
        0,    0,    0,    0,    0, 0, 0, 0,  // zero
        0x01, 0x02, 0x03,                    // red 1, green 2, blue 3
        0xFF, 0x80, 0x00,                    // orange
        0x00, 0x00, 0xFF,                    // blue
    };
    const Decoded<Palette> palette = DecodePalette(body);
    ASSERT_TRUE(palette.value) << palette.declined;
    EXPECT_EQ(palette.value->version, 1u);
    EXPECT_EQ(palette.value->colours, (std::vector<std::uint32_t>{0xFF010203, 0xFFFF8000, 0xFF0000FF}));
    EXPECT_EQ(palette.value->warning, "");

    const Bytes tooMany = {
        0x00, 0x00, 0x00, 0x00,  // version 0
        0x01, 0x01, 0x00, 0x00,  // 257 colours: more than a palette has
        0,    0,    0,    0,    0, 0, 0, 0,
    };
    EXPECT_FALSE(DecodePalette(tooMany).value);
}

}  // namespace
}  // namespace tarnwick
