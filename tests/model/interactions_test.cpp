#include "model/decoders/interactions.h"

#include <gtest/gtest.h>

#include "synth/behaviour_builder.h"
#include "tests/support/case_name.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::Concat;
using fixtures::InteractionsBody;

// Values of every width a packed field can take, negative ones among them.
std::vector<Interaction> SampleInteractions(std::uint16_t version)
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
            DecodeInteractions(InteractionsBody(row.version, SampleInteractions(row.version), row.bitPacked));
        ASSERT_TRUE(table.value) << name << ": " << table.declined;
        EXPECT_EQ(table.value->version, row.version) << name;
        EXPECT_EQ(table.value->encoding,
                  row.bitPacked ? InteractionEncoding::BitPacked : InteractionEncoding::Plain)
            << name;
        EXPECT_EQ(table.value->interactions, SampleInteractions(row.version)) << name;
        EXPECT_EQ(table.value->trailingBytes, 0u) << name;
        EXPECT_EQ(table.value->warning, "") << name;
    }
}

// One packed interaction of 27 bits: an action ID of 19 bits, eight 0 bits.
Bytes PackedWithZerosLast() { return InteractionsBody(9, {{4096, 0, 0, 0, 0, 0, 0, 0, {}, 0}}, true); }

TEST(DecodeInteractions, KeepsWhatItReadOrDeclines)
{
    const Bytes plain = InteractionsBody(8, SampleInteractions(8));
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

// Tables written out by hand from the format's description, not by a builder.

// Packs a string of '0' and '1' (blanks ignored) most significant bit first;
// the last byte is padded with 0 bits.
Bytes PackBits(std::initializer_list<const char*> fields)
{
    Bytes bytes;
    std::size_t bit = 0;
    for (const char* field : fields)
        for (const char* c = field; *c != '\0'; ++c) {
            if (*c == ' ')
                continue;
            if (bit % 8 == 0)
                bytes.push_back(0);
            if (*c == '1')
                bytes.back() = static_cast<std::uint8_t>(bytes.back() | 0x80u >> bit % 8);
            ++bit;
        }
    return bytes;
}

// A packed field: "0" for the value 0, else "1", a 2-bit width code (16-bit
// fields 00 = 5, 01 = 8, 10 = 13, 11 = 16 bits; 32-bit fields 6, 11, 21, 32)
// and the value's bits, sign-extended.
const Bytes kPackedVersion9 = Concat({
    {0x02, 0x00,  // two interactions
     0x09, 0x00,  // version 9
     0x01},       // bit-packed
    PackBits({
        // interaction 1
        "1 11 0001000000000000",                  // action 4096 in 16 bits
        "0",                                      // test 0
        "1 00 000001",                            // one motive entry, in 6 bits
        "1 01 00010100000",                       // flags 160, in 11 bits
        "0",                                      // TTAs string 0
        "1 00 000011",                            // attenuation code 3 (medium)
        "1 11 00111111100000000000000000000000",  // attenuation 1.0f (0x3F800000)
        "1 01 00000110010",                       // autonomy 50
        "1 00 111111",                            // joining index -1, sign-extended
        "1 00 11011",                             // motive minimum -5 in 5 bits
        "1 01 01100100",                          // motive delta 100 in 8 bits
        "1 10 0001111101000",                     // motive personality 1000 in 13 bits
        // interaction 2
        "1 11 0001000000000001",       // action 4097
        "0 0",                         // test 0, no motive entries
        "1 10 111111111111111111110",  // flags -2 in 21 bits: 0xFFFFFFFE
        "0 0 0 0 0",                   // TTAs string, attenuation code and value, autonomy, joining
        // 196 bits: the last byte ends with four unused 0 bits
    }),
});

const Bytes kPlainVersion10 = {
    0x01, 0x00, 0x0A, 0x00,  // one interaction, version 10
    0x00,                    // plain
    0x01, 0x10, 0x02, 0x10,  // action 4097, test 4098
    0x01, 0x00, 0x00, 0x00,  // one motive entry
    0x04, 0x00, 0x00, 0x00,  // flags 4
    0x07, 0x00, 0x00, 0x00,  // TTAs string 7
    0x00, 0x00, 0x00, 0x00,  // attenuation code 0: custom
    0x00, 0x00, 0x20, 0x41,  // attenuation 10.0f
    0x1E, 0x00, 0x00, 0x00,  // autonomy 30
    0xFE, 0xFF, 0xFF, 0xFF,  // joining index -2
    0x9C, 0xFF, 0x32, 0x00,  // motive: minimum -100, delta 50,
    0x05, 0x00,              //   personality 5
    0x00, 0x80, 0x00, 0x00,  // the version's further flags: 0x8000
};

const Bytes kPlainVersion8 = {
    0x01, 0x00, 0x08, 0x00,  // one interaction, version 8: no encoding byte
    0x00, 0x10, 0x00, 0x00,  // action 4096, test 0
    0x02, 0x00, 0x00, 0x00,  // two motive entries
    0x00, 0x00, 0x00, 0x00,  // flags
    0x03, 0x00, 0x00, 0x00,  // TTAs string 3
    0x04, 0x00, 0x00, 0x00,  // attenuation code 4: high
    0xCD, 0xCD, 0xCD, 0xCD,  // attenuation value: junk
    0x64, 0x00, 0x00, 0x00,  // autonomy 100
    0x00, 0x00, 0x00, 0x00,  // joining index 0
    0xF6, 0xFF, 0x14, 0x00,  // motive 1: minimum -10, delta 20,
    0x02, 0x00,              //   personality 2
    0x00, 0x00, 0xEC, 0xFF,  // motive 2: minimum 0, delta -20,
    0x00, 0x00,              //   personality 0
};

const Bytes kPlainVersion5 = {
    0x01, 0x00, 0x05, 0x00,  // one interaction, version 5
    0x03, 0x10, 0x00, 0x00,  // action 4099, test 0
    0x01, 0x00, 0x00, 0x00,  // one motive entry
    0x01, 0x00, 0x00, 0x00,  // flags 1
    0x00, 0x00, 0x00, 0x00,  // TTAs string 0; no attenuation code before version 7
    0x00, 0x00, 0x00, 0x00,  // attenuation value
    0x00, 0x00, 0x00, 0x00,  // autonomy 0
    0x00, 0x00, 0x00, 0x00,  // joining index 0
    0xF1, 0xFF,              // motive: delta -15 only
};

struct HandWrittenTable {
    const char* name;
    Bytes body;
    std::uint16_t version;
    InteractionEncoding encoding;
    std::vector<Interaction> interactions;
};

void PrintTo(const HandWrittenTable& row, std::ostream* out) { *out << row.name; }

class DecodeInteractionsWrittenByHand : public testing::TestWithParam<HandWrittenTable> {};

TEST_P(DecodeInteractionsWrittenByHand, ReadsEachField)
{
    const HandWrittenTable& row = GetParam();
    const Decoded<InteractionTable> table = DecodeInteractions(row.body);
    ASSERT_TRUE(table.value) << table.declined;
    EXPECT_EQ(table.value->version, row.version);
    EXPECT_EQ(table.value->encoding, row.encoding);
    EXPECT_EQ(table.value->warning, "");
    EXPECT_EQ(table.value->trailingBytes, 0u);
    EXPECT_EQ(table.value->bitsPastTheEnd, 0u);
    ASSERT_EQ(table.value->interactions.size(), row.interactions.size());
    for (std::size_t i = 0; i < row.interactions.size(); ++i) {
        const Interaction& got = table.value->interactions[i];
        const Interaction& want = row.interactions[i];
        EXPECT_EQ(got.actionId, want.actionId) << i;
        EXPECT_EQ(got.testId, want.testId) << i;
        EXPECT_EQ(got.flags, want.flags) << i;
        EXPECT_EQ(got.textIndex, want.textIndex) << i;
        EXPECT_EQ(got.attenuationCode, want.attenuationCode) << i;
        EXPECT_EQ(got.attenuationBits, want.attenuationBits) << i;
        EXPECT_EQ(got.autonomy, want.autonomy) << i;
        EXPECT_EQ(got.joiningIndex, want.joiningIndex) << i;
        EXPECT_EQ(got.motives, want.motives) << i;
        EXPECT_EQ(got.moreFlags, want.moreFlags) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, DecodeInteractionsWrittenByHand,
    testing::Values(HandWrittenTable{"version 9, bit-packed",
                                     kPackedVersion9,
                                     9,
                                     InteractionEncoding::BitPacked,
                                     {{4096, 0, 160, 0, 3, 0x3F800000, 50, -1, {{-5, 100, 1000}}, 0},
                                      {4097, 0, 0xFFFFFFFE, 0, 0, 0, 0, 0, {}, 0}}},
                    HandWrittenTable{"version 10, plain",
                                     kPlainVersion10,
                                     10,
                                     InteractionEncoding::Plain,
                                     {{4097, 4098, 4, 7, 0, 0x41200000, 30, -2, {{-100, 50, 5}}, 0x8000}}},
                    HandWrittenTable{
                        "version 8: motive minimum, personality, attenuation code",
                        kPlainVersion8,
                        8,
                        InteractionEncoding::Plain,
                        {{4096, 0, 0, 3, 4, 0xCDCDCDCD, 100, 0, {{-10, 20, 2}, {0, -20, 0}}, 0}}},
                    HandWrittenTable{"version 5: a motive delta only",
                                     kPlainVersion5,
                                     5,
                                     InteractionEncoding::Plain,
                                     {{4099, 0, 1, 0, 0, 0, 0, 0, {{0, -15, 0}}, 0}}}),
    fixtures::RowName());

TEST(DecodeInteractions, DeclinesVersion3WrittenByHand)
{
    const Bytes body = {
        0x01, 0x00, 0x03, 0x00,  // one interaction, version 3
        0x00, 0x10, 0x00, 0x00,  // what would be its action and test
        0x00, 0x00, 0x00, 0x00,
    };
    const Decoded<InteractionTable> table = DecodeInteractions(body);
    EXPECT_FALSE(table.value);
    EXPECT_NE(table.declined.find("version 3"), std::string::npos) << table.declined;
}

}  // namespace
}  // namespace tarnwick
