#include "model/chunk_window/chunk_dump.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/chunk_window/dump_line.h"

namespace tarnwick {

namespace {

using dump_line::kHexAndBlank;
using dump_line::kHexColumnWidth;
constexpr std::size_t kAddressWidth = 10;  // eight digits and ": "

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
        std::memcpy(out + at, &kHexAndBlank[std::size_t{(address >> shift) & 0xFF} * 4], 2);
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
        // A whole line, the common case.
        dump_line::WriteWholeLine(bytes.data(), hex);
        return kMaxLineLength;
    }
    std::memset(hex, ' ', kHexColumnWidth);
    for (std::uint8_t byte : bytes) {
        std::memcpy(hex, &kHexAndBlank[std::size_t{byte} * 4], 2);
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
