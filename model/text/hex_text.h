#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/container/byte_string.h"

namespace tarnwick {

// Two upper-case hex digits: 0 gives "00", 255 gives "FF".
[[nodiscard]] std::string ByteHex(std::uint8_t byte);

// ByteHex of each byte, first byte first: 00 00 01 4C give "0000014C".
[[nodiscard]] std::string BigEndianHex(ByteSpan bytes);

// The value of a text of hex digits (either case) as a 32-bit pattern taken as
// signed: "FFFFFFFF" gives -1. Empty text, a non-digit or a value over 32 bits
// gives no value.
[[nodiscard]] std::optional<std::int32_t> ParseHexText(std::string_view text);

enum class Direction { Forward = 1, Backward = -1 };

// One dump line: "XX " per byte, blanks up to the width of a 5-byte hex column
// for very short inputs, then each byte as a character (32..127) or ".".
// Backward reads the bytes last first.
[[nodiscard]] std::string HexLine(ByteSpan bytes, Direction direction);

[[nodiscard]] std::string ReverseBytes(ByteSpan bytes);

// Eight upper-case hex digits of the 32-bit pattern: -1 gives "FFFFFFFF".
[[nodiscard]] std::string Hex8(std::uint32_t value);

// Upper-case hex digits of a byte without a leading zero: 5 gives "5".
[[nodiscard]] std::string ShortByteHex(std::uint8_t byte);

// The upper-case hex digit of each value 0..15.
inline constexpr char kHexDigits[] = "0123456789ABCDEF";

// The value of one hex digit of either case, or nothing for any other character.
[[nodiscard]] constexpr std::optional<unsigned> HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

// Writes the low `digits` hex digits of value, upper case, into out[0..digits).
inline void WriteHexDigits(char* out, std::uint32_t value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[i] = kHexDigits[value & 0x0F];
}

}  // namespace tarnwick
