#include "model/windows1252.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(Windows1252ToUtf8, DecodesEveryByteToOneCharacter)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x80", "\u20AC"},          // euro sign, the first of 0x80..0x9F
        {"\x92", "\u2019"},          // right single quote
        {"\xE9t\xE9", "\u00E9t\u00E9"},
        {"\x81", "\u0081"},          // undefined in the code page, kept as its control character
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\x9F\xA0\xFF", "\u0178\u00A0\u00FF"},  // the last of 0x80..0x9F, then Latin-1
    };
    for (const auto& [bytes, utf8] : cases)
        EXPECT_EQ(Windows1252ToUtf8(bytes), utf8);
}

}  // namespace
}  // namespace tarnwick
