#include "model/text/windows1252.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(Windows1252ToUtf8, DecodesEveryByteToOneCharacter)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\x80", "\u20AC"},  // euro sign, the first of 0x80..0x9F
        {"\x92", "\u2019"},  // right single quote
        {"\xE9t\xE9", "\u00E9t\u00E9"},
        {"\x81", "\u0081"},  // undefined in the code page, kept as its control character
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\x9F\xA0\xFF", "\u0178\u00A0\u00FF"},  // the last of 0x80..0x9F, then Latin-1
    };
    for (const auto& [bytes, utf8] : cases)
        EXPECT_EQ(Windows1252ToUtf8(bytes), utf8);
}

// Names from archives made on Windows: valid UTF-8 stays, any other byte is
// read from the code page, and nothing is lost.
TEST(FileNameToUtf8, KeepsUtf8AndDecodesEveryOtherByte)
{
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xC3\xA9.IFF", "caf\u00E9.IFF"},  // UTF-8 as it is
        {"caf\xE9.IFF", "caf\u00E9.IFF"},      // Windows-1252
        {"\x80\x81", "\u20AC\u0081"},
        {"\xC3", "\u00C3"},                                // a sequence cut short by the end
        {"\xC0\xAF", "\u00C0\u00AF"},                      // an overlong form
        {"\xED\xA0\x80", "\u00ED\u00A0\u20AC"},            // a surrogate
        {"\xF4\x90\x80\x80", "\u00F4\u0090\u20AC\u20AC"},  // past U+10FFFF
        {"\xF0\x9F\x98\x80\xFF", "\U0001F600\u00FF"},
    };
    for (const auto& [bytes, utf8] : cases)
        EXPECT_EQ(FileNameToUtf8(bytes), utf8) << bytes;
}

}  // namespace
}  // namespace tarnwick
