#include "model/chunk_dump.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "model/hex_text.h"

namespace tarnwick {

namespace {

constexpr std::size_t kHexColumnWidth = 50;
constexpr std::size_t kAddressWidth = 10;  // eight digits and ": "

// Each byte's two hex digits and the blank after them, four bytes apart, so a
// dump line takes one table copy per byte instead of formatting digits.
constexpr auto kHexAndBlank = [] {
    std::array<char, 256 * 4> table{};
    for (std::size_t byte = 0; byte < 256; ++byte) {
        table[byte * 4] = kHexDigits[byte >> 4];
        table[byte * 4 + 1] = kHexDigits[byte & 0x0F];
        table[byte * 4 + 2] = ' ';
        table[byte * 4 + 3] = ' ';
    }
    return table;
}();

// Printable ASCII shows as itself, every other byte as a dot.
constexpr auto kDumpCharacter = [] {
    std::array<char, 256> table{};
    for (std::size_t byte = 0; byte < 256; ++byte)
        table[byte] = byte >= 32 && byte <= 126 ? static_cast<char>(byte) : '.';
    return table;
}();

void WriteAddress(char* out, std::uint32_t address)
{
    for (int shift = 24, at = 0; shift >= 0; shift -= 8, at += 2)
        std::memcpy(out + at, &kHexAndBlank[((address >> shift) & 0xFF) * 4], 2);
}

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
    const std::uint64_t atLeast32 = low7 + 0x60 * kEach;      // bit 7 set when low7 >= 32
    const std::uint64_t below127 = ~(low7 + 0x01 * kEach);    // bit 7 set when low7 < 127
    const std::uint64_t printable = atLeast32 & below127 & ~eight & (0x80 * kEach);
    const std::uint64_t keep = (printable >> 7) * 0xFF;
    return (eight & keep) | ('.' * kEach & ~keep);
}

}  // namespace

ChunkDump::ChunkDump(const ChunkInfo& chunk)
    : contents_(chunk.Data.Slice(kChunkHeaderSize, chunk.Data.size())),
      contentsOffset_(static_cast<std::uint64_t>(chunk.Position) - 1 + kChunkHeaderSize)
{
}

std::size_t ChunkDump::LineCount() const
{
    return std::max<std::size_t>(1, (contents_.size() + kBytesPerLine - 1) / kBytesPerLine);
}

std::size_t ChunkDump::WriteLine(std::size_t index, std::span<char, kMaxLineLength> out) const
{
    const std::size_t first = index * kBytesPerLine;
    // The slice is taken here rather than by ClampedSlice: an out-of-line call
    // is a noticeable part of a line this short.
    const ByteSpan contents = contents_.span();
    const ByteSpan bytes = first < contents.size()
                               ? contents.subspan(first, std::min(kBytesPerLine, contents.size() - first))
                               : ByteSpan();

    WriteAddress(out.data(), static_cast<std::uint32_t>(contentsOffset_ + first));
    out[8] = ':';
    out[9] = ' ';

    char* hex = out.data() + kAddressWidth;
    char* text = hex + kHexColumnWidth;
    if (bytes.size() == kBytesPerLine) {
        // A whole line, the common case. The bytes are copied out first so that
        // writes to the line cannot alias them.
        std::array<std::uint8_t, kBytesPerLine> line{};
        std::memcpy(line.data(), bytes.data(), kBytesPerLine);
        WriteHexOfLine(hex, line, std::make_index_sequence<kBytesPerLine>());
        for (std::size_t half = 0; half < 2; ++half) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, line.data() + half * 8, 8);
            const std::uint64_t characters =
                InLittleEndianOrder(DumpCharactersOfEight(InLittleEndianOrder(eight)));
            std::memcpy(text + half * 8, &characters, 8);
        }
        hex[kHexColumnWidth - 2] = ' ';
        hex[kHexColumnWidth - 1] = ' ';
        return kMaxLineLength;
    }
    std::memset(hex, ' ', kHexColumnWidth);
    for (std::uint8_t byte : bytes) {
        std::memcpy(hex, &kHexAndBlank[byte * 4u], 2);
        hex += 3;
        *text++ = kDumpCharacter[byte];
    }
    return static_cast<std::size_t>(text - out.data());
}

std::string ChunkDump::Line(std::size_t index) const
{
    std::string line(kMaxLineLength, ' ');
    line.resize(WriteLine(index, std::span<char, kMaxLineLength>(line.data(), kMaxLineLength)));
    return line;
}

}  // namespace tarnwick
