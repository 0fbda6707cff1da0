#include "model/decoders/interactions.h"

#include <gtest/gtest.h>

#include "synth/behaviour_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::InteractionsBody;

// Values of every width a packed field can take, negative ones among them.
std::vector<Interaction> Sample(std::uint16_t version)
{
    const bool longForm = version >= 7;
    std::vector<Interaction> sample = {
        {4096, 0, 0x12345678, 0, longForm ? 3u : 0u, 0x3F800000, 50, -1, {{-5, 10, 7}, {0, -300, 0}}, 0},
        {0xFFFF, 4200, 1, 1, 0, 0, 0, 70000, {}, version == 10 ? 0x8000u : 0u},
        {300, 4097, 0xFFFFFFFF, 2, longForm ? 4u : 0u, 0xCDCDCDCD, 1000000, 0, {{32767, -32768, 65535}}, 0},
    };
    if (!longForm)
        for (Interaction& interaction : sample)
            for (MotiveEntry& motive : interaction.motives)
                motive = {0, motive.delta, 0};
    return sample;
}

TEST(DecodeInteractions, ReadsEachVersionPlainAndBitPacked)
{
    const struct {
        std::uint16_t version;
        bool bitPacked;
    } rows[] = {{4, false}, {5, false}, {8, false}, {9, false}, {9, true}, {10, false}, {10, true}};
    for (const auto& row : rows) {
        const std::string name = "version " + std::to_string(row.version) + (row.bitPacked ? " packed" : "");
        const Decoded<InteractionTable> table =
            DecodeInteractions(InteractionsBody(row.version, Sample(row.version), row.bitPacked));
        ASSERT_TRUE(table.value) << name << ": " << table.declined;
        EXPECT_EQ(table.value->version, row.version) << name;
        EXPECT_EQ(table.value->encoding,
                  row.bitPacked ? InteractionEncoding::BitPacked : InteractionEncoding::Plain)
            << name;
        EXPECT_EQ(table.value->interactions, Sample(row.version)) << name;
        EXPECT_EQ(table.value->trailingBytes, 0u) << name;
        EXPECT_EQ(table.value->warning, "") << name;
    }
}

// One packed interaction of 27 bits: an action ID of 19 bits, eight 0 bits.
Bytes PackedWithZerosLast() { return InteractionsBody(9, {{4096, 0, 0, 0, 0, 0, 0, 0, {}, 0}}, true); }

TEST(DecodeInteractions, KeepsWhatItReadOrDeclines)
{
    const Bytes plain = InteractionsBody(8, Sample(8));
    const Bytes packed = PackedWithZerosLast();
    const struct {
        const char* name;
        Bytes body;
        std::size_t interactions;  // read; declined when npos
        std::size_t bitsPastTheEnd = 0;
        bool cutShort = false;
        std::size_t trailing = 0;
    } rows[] = {
        {"a count of 0 stops there", {0, 0, 0xA3, 0xA3}, 0, 0, false, 2},
        {"packed fields that need 3 bits past the end", Bytes(packed.begin(), packed.end() - 1), 1, 3},
        {"packed fields that need 11 bits past the end", Bytes(packed.begin(), packed.end() - 2), 0, 0, true},
        {"plain, cut in the last interaction", Bytes(plain.begin(), plain.end() - 1), 2, 0, true},
        {"plain, with bytes after the last interaction", fixtures::Concat({plain, {1, 2}}), 3, 0, false, 2},
        {"a motive count of four billion",
         fixtures::Concat({{1, 0, 5, 0, 0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0xFF}, Bytes(40)}), 0, 0, true},
        {"version 3", {1, 0, 3, 0, 0, 0}, std::string::npos},
        {"version 11", {1, 0, 11, 0, 0, 0}, std::string::npos},
        {"version 9 without its encoding byte", {1, 0, 9, 0}, std::string::npos},
        {"no count", {1}, std::string::npos},
    };
    for (const auto& row : rows) {
        const Decoded<InteractionTable> table = DecodeInteractions(row.body);
        if (row.interactions == std::string::npos) {
            EXPECT_FALSE(table.value) << row.name;
            EXPECT_NE(table.declined, "") << row.name;
            continue;
        }
        ASSERT_TRUE(table.value) << row.name << ": " << table.declined;
        EXPECT_EQ(table.value->interactions.size(), row.interactions) << row.name;
        EXPECT_EQ(table.value->bitsPastTheEnd, row.bitsPastTheEnd) << row.name;
        EXPECT_EQ(table.value->warning.empty(), !row.cutShort) << row.name;
        EXPECT_EQ(table.value->trailingBytes, row.trailing) << row.name;
    }
}

TEST(DecodeInteractions, ReadsTheBitsPastTheEndAsZero)
{
    const Bytes packed = PackedWithZerosLast();
    const Decoded<InteractionTable> table = DecodeInteractions(Bytes(packed.begin(), packed.end() - 1));
    ASSERT_TRUE(table.value);
    ASSERT_EQ(table.value->interactions.size(), 1u);
    EXPECT_EQ(table.value->interactions[0].actionId, 4096);
    EXPECT_EQ(table.value->interactions[0].joiningIndex, 0);
}

}  // namespace
}  // namespace tarnwick
