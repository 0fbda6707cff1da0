// The dump's whole lines in plain C++, for every machine.
#include <bit>
#include <cstring>
#include <utility>

#include "model/chunk_window/dump_line.h"

namespace tarnwick::dump_line {

namespace {

// Reverses the byte order of a number on machines that store the first byte
// highest: the eight-at-a-time code below counts the first byte as the lowest.
std::uint64_t InLittleEndianOrder(std::uint64_t value)
{
    if constexpr (std::endian::native == std::endian::little)
        return value;
    std::uint64_t reversed = 0;
    for (int i = 0; i < 8; ++i, value >>= 8)
        reversed = (reversed << 8) | (value & 0xFF);
    return reversed;
}

// "XX " for each of sixteen bytes, unrolled at compile time so every shift and
// offset is a constant. Each copy writes one blank too many, which the next
// copy, or the caller at the line's end, writes over.
template <std::size_t... Index>
void WriteHexOfLine(char* out, const std::array<std::uint8_t, 16>& bytes, std::index_sequence<Index...>)
{
    (std::memcpy(out + Index * 3, &kHexAndBlank[bytes[Index] * 4u], 4), ...);
}

// The dump characters of eight bytes at once: each byte of 32..126 stays,
// every other byte becomes a dot.
std::uint64_t DumpCharactersOfEight(std::uint64_t eight)
{
    constexpr std::uint64_t kEach = 0x0101010101010101;
    const std::uint64_t low7 = eight & (0x7F * kEach);
    const std::uint64_t atLeast32 = low7 + 0x60 * kEach;    // bit 7 set when low7 >= 32
    const std::uint64_t below127 = ~(low7 + 0x01 * kEach);  // bit 7 set when low7 < 127
    const std::uint64_t printable = atLeast32 & below127 & ~eight & (0x80 * kEach);
    const std::uint64_t keep = (printable >> 7) * 0xFF;
    return (eight & keep) | ('.' * kEach & ~keep);
}

}  // namespace

void WriteWholeLine(const std::uint8_t* bytes, char* out)
{
    // The bytes are copied out first so that writes to the line cannot alias them.
    std::array<std::uint8_t, kWholeLineBytes> line{};
    std::memcpy(line.data(), bytes, kWholeLineBytes);
    WriteHexOfLine(out, line, std::make_index_sequence<kWholeLineBytes>());
    out[kHexColumnWidth - 2] = ' ';
    out[kHexColumnWidth - 1] = ' ';
    char* text = out + kHexColumnWidth;
    for (std::size_t half = 0; half < 2; ++half) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, line.data() + half * 8, 8);
        const std::uint64_t characters =
            InLittleEndianOrder(DumpCharactersOfEight(InLittleEndianOrder(eight)));
        std::memcpy(text + half * 8, &characters, 8);
    }
}

}  // namespace tarnwick::dump_line
