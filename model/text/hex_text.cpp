#include "model/text/hex_text.h"

#include <algorithm>

namespace tarnwick {

namespace {

char PrintableOrDot(std::uint8_t byte) { return byte >= 32 && byte <= 127 ? static_cast<char>(byte) : '.'; }

}  // namespace

std::string ByteHex(std::uint8_t byte)
{
    std::string text(2, '0');
    WriteHexDigits(text.data(), byte, 2);
    return text;
}

std::string BigEndianHex(ByteSpan bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t byte : bytes)
        text += ByteHex(byte);
    return text;
}

std::optional<std::int32_t> ParseHexText(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        const auto digit = HexDigitValue(c);
        if (!digit)
            return std::nullopt;
        value = value * 16 + *digit;
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::string HexLine(ByteSpan bytes, Direction direction)
{
    std::string hexColumn;
    std::string charColumn;
    auto append = [&](std::uint8_t byte) {
        hexColumn += ByteHex(byte);
        hexColumn += ' ';
        charColumn += PrintableOrDot(byte);
    };
    if (direction == Direction::Forward)
        std::for_each(bytes.begin(), bytes.end(), append);
    else
        std::for_each(bytes.rbegin(), bytes.rend(), append);

    const std::size_t width = bytes.size() + 5;
    const std::size_t padding = width > hexColumn.size() ? width - hexColumn.size() : 0;
    return hexColumn + std::string(padding, ' ') + charColumn;
}

std::string ReverseBytes(ByteSpan bytes) { return {bytes.rbegin(), bytes.rend()}; }

std::string Hex8(std::uint32_t value)
{
    std::string text(8, '0');
    WriteHexDigits(text.data(), value, 8);
    return text;
}

std::string ShortByteHex(std::uint8_t byte)
{
    const std::string text = ByteHex(byte);
    return byte < 16 ? text.substr(1) : text;
}

}  // namespace tarnwick
