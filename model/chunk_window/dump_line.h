#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/text/hex_text.h"

// The inner loop of the chunk dump, in a variant for the machine built for:
// vector instructions where every machine of its kind has them, plain words
// elsewhere. Used by model/chunk_dump.cpp only.
namespace tarnwick::dump_line {

inline constexpr std::size_t kHexColumnWidth = 50;
inline constexpr std::size_t kWholeLineBytes = 16;

// Each byte's two hex digits and the blank after them, four bytes apart, so a
// byte takes one table copy instead of formatting digits.
inline constexpr auto kHexAndBlank = [] {
    std::array<char, std::size_t{256} * 4> table{};
    for (std::size_t byte = 0; byte < 256; ++byte) {
        table[byte * 4] = kHexDigits[byte >> 4];
        table[byte * 4 + 1] = kHexDigits[byte & 0x0F];
        table[byte * 4 + 2] = ' ';
        table[byte * 4 + 3] = ' ';
    }
    return table;
}();

// Writes the hex column (50 characters: "XX " for each byte, then two blanks)
// and the character column (sixteen characters, a dot for each byte outside
// 32..126) of sixteen bytes, 66 characters from `out` on.
void WriteWholeLine(const std::uint8_t* bytes, char* out);

}  // namespace tarnwick::dump_line
