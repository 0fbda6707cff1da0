#include "model/chunk_window/offset_view.h"

#include <gtest/gtest.h>

#include "synth/iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

TEST(OffsetView, ShowsTenLinesAnd129BytesFromTheZeroBasedOffset)
{
    Bytes file(400, 0);
    file[63] = 'X';  // the byte before the offset is never shown
    const Bytes str = {'S', 'T', 'R', '#'};
    std::copy(str.begin(), str.end(), file.begin() + 64);

    const std::string zeroLine = "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\r";
    std::string hex = "53 54 52 23" + zeroLine.substr(11);
    std::string chars = "STR#............\r";
    for (int line = 1; line < 10; ++line) {
        hex += zeroLine;
        chars += std::string(16, '.') + '\r';
    }
    const OffsetViewTexts texts = MakeOffsetViewTexts(file, 64);
    EXPECT_EQ(texts.HexText, hex);
    EXPECT_EQ(texts.CharacterText, chars);
    EXPECT_EQ(texts.ValueRun, "53545223" + std::string(125, '0'));
}

TEST(OffsetView, ShowsOnlyTheBytesThatExist)
{
    // Lines drop the blanks at their ends; the run drops each byte's leading zero.
    const Bytes file = {' ', 'a', 0x05, 0x7F, 0x80, ' '};
    const struct {
        std::int64_t offset;
        const char* hex;
        const char* chars;
        const char* run;
    } rows[] = {
        {0, "20 61 05 7F 80 20\r", "a.\x7F.\r", "206157F8020"},
        {4, "80 20\r", ".\r", "8020"},
        {6, "", "", ""},
        {-1, "", "", ""},
        {0x7FFFFFFF, "", "", ""},
    };
    for (const auto& row : rows) {
        const OffsetViewTexts texts = MakeOffsetViewTexts(file, row.offset);
        EXPECT_EQ(texts.HexText, row.hex) << "offset " << row.offset;
        EXPECT_EQ(texts.CharacterText, row.chars) << "offset " << row.offset;
        EXPECT_EQ(texts.ValueRun, row.run) << "offset " << row.offset;
    }
}

}  // namespace
}  // namespace tarnwick
