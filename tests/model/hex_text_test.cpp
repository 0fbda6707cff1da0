#include "hex_text.h"

#include <gtest/gtest.h>

#include "iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::ToBytes;

TEST(ByteHex, IsAlwaysTwoUpperCaseDigits)
{
    const std::pair<std::uint8_t, const char*> cases[] = {
        {0, "00"}, {9, "09"}, {10, "0A"}, {15, "0F"}, {16, "10"}, {255, "FF"}};
    for (const auto& [byte, text] : cases)
        EXPECT_EQ(ByteHex(byte), text) << int{byte};
}

TEST(BigEndianHex, JoinsBytesFirstByteFirst)
{
    EXPECT_EQ(BigEndianHex(Bytes{0x00, 0x00, 0x01, 0x4C}), "0000014C");
    EXPECT_EQ(BigEndianHex(Bytes{}), "");
}

TEST(ParseHexText, ReadsA32BitPatternAsSigned)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"0000004C", 76}, {"4c", 76}, {"7FFFFFFF", 2147483647}, {"80000000", -2147483647 - 1},
        {"FFFFFFFF", -1}, {"0", 0}, {"0000000000ff", 255}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseHexText(text), value) << text;
}

TEST(ParseHexText, FailsWithoutAValue)
{
    for (const char* text : {"", "12G4", " 4C", "-1", "100000000", "0x4C"})
        EXPECT_EQ(ParseHexText(text), std::nullopt) << '"' << text << '"';
}

struct HexLineCase {
    const char* name;
    Bytes bytes;
    Direction direction;
    std::string expected;
};

TEST(HexLine, LaysOutHexThenPaddingThenCharacters)
{
    const HexLineCase cases[] = {
        {"three forward", ToBytes("abc"), Direction::Forward, "61 62 63 abc"},
        {"three backward", ToBytes("abc"), Direction::Backward, "63 62 61 cba"},
        {"one byte pads to five", {0x41}, Direction::Forward, "41    A"},
        {"two bytes, 127 printable", {0x00, 0x7F}, Direction::Forward, "00 7F  .\x7F"},
        {"empty forward", {}, Direction::Forward, "     "},
        {"empty backward", {}, Direction::Backward, "     "},
        {"printable bounds", {0x20, 0x1F, 0x80, 0xFF}, Direction::Forward, "20 1F 80 FF  ..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexLine(c.bytes, c.direction), c.expected) << c.name;
}

TEST(HexLine, SixteenBytesMake64Characters)
{
    const std::string line = HexLine(ToBytes("0123456789abcdef"), Direction::Forward);
    ASSERT_EQ(line.size(), 64u);
    EXPECT_EQ(line.substr(0, 47), "30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66");
    EXPECT_EQ(line.substr(47), " 0123456789abcdef");
}

TEST(ReverseBytes, ReversesAnyLength)
{
    EXPECT_EQ(ReverseBytes(ToBytes("abc")), "cba");
    EXPECT_EQ(ReverseBytes(ToBytes("x")), "x");
    EXPECT_EQ(ReverseBytes(Bytes{}), "");
}

TEST(Hex8, ShowsTheTwosComplementPattern)
{
    EXPECT_EQ(Hex8(64), "00000040");
    EXPECT_EQ(Hex8(305441741), "1234ABCD");
    EXPECT_EQ(Hex8(static_cast<std::uint32_t>(-1)), "FFFFFFFF");
}

}  // namespace
}  // namespace tarnwick
