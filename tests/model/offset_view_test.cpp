#include "offset_view.h"

#include <gtest/gtest.h>

#include "iff_builder.h"

namespace tarnwick {
namespace {

using fixtures::Bytes;

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\r', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with a carriage return";
    EXPECT_EQ(text.find('\n'), std::string::npos);
    return lines;
}

TEST(OffsetView, ShowsTenLinesFromTheZeroBasedOffset)
{
    Bytes file(400, 0);
    const Bytes str = {'S', 'T', 'R', '#'};
    std::copy(str.begin(), str.end(), file.begin() + 64);
    file[63] = 'X';  // the byte before the offset is never shown

    const OffsetViewTexts texts = MakeOffsetViewTexts(file, 64);
    const auto hex = SplitLines(texts.HexText);
    const auto chars = SplitLines(texts.CharacterText);
    ASSERT_EQ(hex.size(), 10u);
    ASSERT_EQ(chars.size(), 10u);
    EXPECT_EQ(hex[0], "53 54 52 23 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(chars[0], "STR#............");
    EXPECT_EQ(texts.ValueRun, "53545223" + std::string(125, '0'));
}

TEST(OffsetView, ValueRunDropsLeadingZeros)
{
    EXPECT_EQ(MakeOffsetViewTexts(Bytes{5, 10, 255}, 0).ValueRun, "5AFF");
}

TEST(OffsetView, CharacterLineDropsBlanksAtItsEnds)
{
    Bytes line(16, 'x');
    line.front() = line.back() = ' ';
    EXPECT_EQ(MakeOffsetViewTexts(line, 0).CharacterText, std::string(14, 'x') + "\r");
}

TEST(OffsetView, ShowsOnlyTheBytesThatExist)
{
    const Bytes file = {'a', 'b', 'c', 0x7F, 0x80};
    const struct {
        std::int64_t offset;
        const char* hex;
        const char* chars;
        const char* run;
    } cases[] = {
        {0, "61 62 63 7F 80\r", "abc\x7F.\r", "6162637F80"},
        {3, "7F 80\r", "\x7F.\r", "7F80"},
        {5, "", "", ""},
        {-1, "", "", ""},
        {0x7FFFFFFF, "", "", ""},
    };
    for (const auto& c : cases) {
        const OffsetViewTexts texts = MakeOffsetViewTexts(file, c.offset);
        EXPECT_EQ(texts.HexText, c.hex) << c.offset;
        EXPECT_EQ(texts.CharacterText, c.chars) << c.offset;
        EXPECT_EQ(texts.ValueRun, c.run) << c.offset;
    }
}

}  // namespace
}  // namespace tarnwick
