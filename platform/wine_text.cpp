#include "wine_text.h"

#include <array>
#include <cstdint>

namespace tarnwick {

namespace {

// Code units of the bytes 0x80..0x9F. The five bytes the code page leaves
// undefined stand for the control characters of the same number.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// The character of a letter escape such as \n, or 0 for none.
char LetterEscape(char letter)
{
    switch (letter) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'e': return '\x1B';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    default: return 0;
    }
}

// Decodes the escape after a backslash at text[at]; returns the code unit and
// advances `at` past it. Octal (\0, \101) and \x with 1-4 hex digits, as Wine writes.
char16_t DecodeEscape(std::string_view text, std::size_t& at)
{
    const char first = text[at];
    if (first == 'x') {
        std::uint32_t unit = 0;
        std::size_t digits = 0;
        for (++at; digits < 4 && at < text.size() && HexDigit(text[at]) >= 0; ++at, ++digits)
            unit = unit * 16 + static_cast<std::uint32_t>(HexDigit(text[at]));
        return digits == 0 ? u'x' : static_cast<char16_t>(unit);
    }
    if (IsOctalDigit(first)) {
        std::uint32_t unit = 0;
        for (std::size_t digits = 0; digits < 3 && at < text.size() && IsOctalDigit(text[at]); ++at, ++digits)
            unit = unit * 8 + static_cast<std::uint32_t>(text[at] - '0');
        return static_cast<char16_t>(unit);
    }
    ++at;
    if (const char letter = LetterEscape(first); letter != 0)
        return static_cast<char16_t>(letter);
    return static_cast<char16_t>(static_cast<unsigned char>(first));
}

}  // namespace

char ToWindows1252(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(static_cast<unsigned char>(unit));
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i)
        if (kHighControlRange[i] == unit)
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
    return '?';
}

std::optional<DecodedText> DecodeWineText(std::string_view text, char closing)
{
    std::string bytes;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == closing)
            return DecodedText{std::move(bytes), at + 1};
        if (c == '\\' && at + 1 < text.size()) {
            ++at;
            bytes += ToWindows1252(DecodeEscape(text, at));
        } else {
            bytes += c;
            ++at;
        }
    }
    return std::nullopt;
}

}  // namespace tarnwick
