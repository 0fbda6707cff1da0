#include "model/text/hex_text.h"

#include <gtest/gtest.h>

#include "synth/iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;
using fixtures::ToBytes;

// The sections browser turns the offset it shows back into a number.
TEST(ParseHexText, ReadsA32BitPatternAsSignedOrGivesNoValue)
{
    const std::pair<const char*, std::optional<std::int32_t>> rows[] = {{"4c", 76},
                                                                        {"0000000000FF", 255},
                                                                        {"80000000", INT32_MIN},
                                                                        {"FFFFFFFF", -1},
                                                                        {"", std::nullopt},
                                                                        {"12G4", std::nullopt},
                                                                        {" 4C", std::nullopt},
                                                                        {"-1", std::nullopt},
                                                                        {"0x4C", std::nullopt},
                                                                        {"100000000", std::nullopt}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(ParseHexText(text), value) << '"' << text << '"';
}

TEST(HexLine, LaysOutHexThenPaddingThenCharacters)
{
    const struct {
        const char* name;
        Bytes bytes;
        Direction direction;
        std::string expected;
    } rows[] = {
        {"three forward", ToBytes("abc"), Direction::Forward, "61 62 63 abc"},
        {"three backward", ToBytes("abc"), Direction::Backward, "63 62 61 cba"},
        {"one byte pads to five", {0x41}, Direction::Forward, "41    A"},
        {"nothing is five blanks", {}, Direction::Forward, "     "},
        {"only 32..127 show as characters",
         {0x1F, 0x20, 0x7F, 0x80},
         Direction::Forward,
         "1F 20 7F 80 . \x7F."},
        {"sixteen bytes make 64 characters", ToBytes("0123456789abcdef"), Direction::Forward,
         "30 31 32 33 34 35 36 37 38 39 61 62 63 64 65 66 0123456789abcdef"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HexLine(row.bytes, row.direction), row.expected) << row.name;
}

}  // namespace
}  // namespace tarnwick
