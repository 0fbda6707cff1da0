#include "chunk_dump.h"

#include <algorithm>
#include <cstring>

#include "hex_text.h"

namespace tarnwick {

namespace {

constexpr std::size_t kHexColumnWidth = 50;
constexpr std::size_t kAddressWidth = 10;  // eight digits and ": "

char DumpCharacter(std::uint8_t byte)
{
    return byte >= 32 && byte <= 126 ? static_cast<char>(byte) : '.';
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
    const ByteSpan bytes = ClampedSlice(contents_.span(), first, kBytesPerLine);

    WriteHexDigits(out.data(), static_cast<std::uint32_t>(contentsOffset_ + first), 8);
    out[8] = ':';
    out[9] = ' ';

    char* hex = out.data() + kAddressWidth;
    char* text = hex + kHexColumnWidth;
    std::memset(hex, ' ', kHexColumnWidth);
    for (std::uint8_t byte : bytes) {
        WriteHexDigits(hex, byte, 2);
        hex += 3;
        *text++ = DumpCharacter(byte);
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
