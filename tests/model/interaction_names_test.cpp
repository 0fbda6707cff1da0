#include "model/decoders/interaction_names.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(InteractionFlagNames, NamesEachBitSetLowestFirst)
{
    const struct {
        std::uint32_t flags;
        const char* names;
    } rows[] = {
        {0x00000000, ""},
        {0x00000001, "visitors"},
        {0x00000006, "joinable, run immediately"},
        {0x00000008, "consecutive"},
        {0x00000070, "not for children, not for demo children, not for adults"},
        {0x00000780, "debug menu, auto first select, leapfrog, must run"},
        {0x00001800, "dogs, cats"},
        {0x80002000, "bit 13, bit 31"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InteractionFlagNames(row.flags), row.names) << std::hex << row.flags;
}

TEST(MotivesText, NamesTheEntriesThatChangeSomething)
{
    const std::vector<MotiveEntry> motives = {{},        {},         {},        {},        {10, -20, 2},
                                              {0, 5, 0}, {0, 25, 0}, {},        {0, 0, 3}, {},
                                              {0, 1, 0}, {0, 2, 0},  {0, 3, 0}, {0, 4, 0}};
    EXPECT_EQ(MotivesText(motives, 8),
              "energy (4) -20, minimum 10, personality 2; comfort (5) +5; "
              "hunger (6) +25; bladder (8) 0, personality 3; social (10) +1; "
              "room (11) +2; fun (12) +3; motive 13 +4");
    // Before version 7 an entry has only its delta.
    EXPECT_EQ(MotivesText({{}, {}, {}, {}, {10, -20, 2}, {}, {}, {0, 7, 0}, {0, -1, 0}}, 5),
              "energy (4) -20; hygiene (7) +7; bladder (8) -1");
    EXPECT_EQ(MotivesText({}, 9), "");
}

TEST(AttenuationText, ShowsTheCodeAndTheValueOnlyWhereItCounts)
{
    const struct {
        std::uint32_t code;
        std::uint32_t bits;
        std::uint16_t version;
        const char* text;
    } rows[] = {
        {0, 0x3E800000, 8, "custom 0.25"},
        {1, 0xA3A30AD7, 8, "none"},
        {2, 0xCDCDCDCD, 9, "low"},
        {3, 0, 9, "medium"},
        {4, 0, 10, "high"},
        {5, 0, 10, "code 5"},
        {3, 0x3F000000, 5, "0.5"},  // no code before version 7
    };
    for (const auto& row : rows) {
        Interaction interaction;
        interaction.attenuationCode = row.code;
        interaction.attenuationBits = row.bits;
        EXPECT_EQ(AttenuationText(interaction, row.version), row.text) << row.text;
    }
}

}  // namespace
}  // namespace tarnwick
