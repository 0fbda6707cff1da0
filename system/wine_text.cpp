#include "system/wine_text.h"

#include <cstdint>

#include "model/text/hex_text.h"
#include "model/text/windows1252.h"

namespace tarnwick {

namespace {

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

// The character of a letter escape such as \n, or 0 for none.
char LetterEscape(char letter)
{
    switch (letter) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'e':
        return '\x1B';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return 0;
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
        for (++at; digits < 4 && at < text.size() && HexDigitValue(text[at]); ++at, ++digits)
            unit = unit * 16 + *HexDigitValue(text[at]);
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
