#include "model/decoders/bmp_header.h"

#include <algorithm>
#include <cstdlib>

#include "model/container/byte_reader.h"

namespace tarnwick {

namespace {

constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;

bool KnownInfoSize(std::uint32_t size)
{
    return size == kCoreHeaderSize || size == 40 || size == 52 || size == 56 || size == 64 || size == 108 ||
           size == 124;
}

bool KnownEncoding(std::uint16_t bits, std::uint32_t compression)
{
    switch (compression) {
    case 0:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 1:
        return bits == 8;
    case 2:
        return bits == 4;
    case 3:
    case 6:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

}  // namespace

std::optional<BmpHeader> ReadBmpHeader(ByteSpan bytes)
{
    ByteReader reader(bytes);
    const auto signature = reader.Bytes(2);
    if (!signature || (*signature)[0] != 'B' || (*signature)[1] != 'M')
        return std::nullopt;
    BmpHeader header;
    const auto fileSize = reader.U32le();
    const auto pixelsAt = reader.Skip(4) ? reader.U32le() : std::nullopt;
    const auto infoSize = reader.U32le();
    if (!fileSize || !pixelsAt || !infoSize || !KnownInfoSize(*infoSize) ||
        bytes.size() - kBmpFileHeaderSize < *infoSize)
        return std::nullopt;
    header.FileSize = *fileSize;
    header.PixelsAt = *pixelsAt;
    header.InfoSize = *infoSize;
    // Both headers are whole, so every read below succeeds.
    if (header.InfoSize == kCoreHeaderSize) {
        header.Width = reader.I16le().value_or(0);
        header.Height = reader.I16le().value_or(0);
        header.BitsPerPixel = reader.Skip(2) ? reader.U16le().value_or(0) : 0;
        return header;
    }
    header.Width = reader.I32le().value_or(0);
    header.Height = reader.I32le().value_or(0);
    header.BitsPerPixel = reader.Skip(2) ? reader.U16le().value_or(0) : 0;
    header.Compression = reader.U32le().value_or(0);
    header.ImageSize = reader.U32le().value_or(0);
    return header;
}

std::optional<std::size_t> BmpLength(const BmpHeader& header, std::size_t available)
{
    if (header.Width == 0 || header.Height == 0 || !KnownEncoding(header.BitsPerPixel, header.Compression))
        return std::nullopt;
    if (header.PixelsAt < kBmpFileHeaderSize + header.InfoSize || header.PixelsAt > available)
        return std::nullopt;
    if (header.FileSize != 0 && (header.FileSize > available || header.FileSize < header.PixelsAt))
        return std::nullopt;

    const std::size_t room = available - header.PixelsAt;
    const auto width = static_cast<std::uint64_t>(std::abs(std::int64_t{header.Width}));
    const auto height = static_cast<std::uint64_t>(std::abs(std::int64_t{header.Height}));
    if (!header.RunLengthEncoded()) {
        const std::uint64_t rowBytes = (width * header.BitsPerPixel + 31) / 32 * 4;
        // Divided rather than multiplied, so that huge sizes cannot overflow.
        if (height > room / rowBytes)
            return std::nullopt;
        return header.PixelsAt + static_cast<std::size_t>(rowBytes * height);
    }
    // Compressed data is as long as declared. The most any encoding takes is a
    // four-byte skip for every pixel, an end of line for each row and an end of
    // the picture; bytes beyond that are none of the picture's.
    std::size_t length = header.FileSize != 0    ? header.FileSize - header.PixelsAt
                         : header.ImageSize != 0 ? std::min<std::size_t>(header.ImageSize, room)
                                                 : room;
    const std::uint64_t perRow = 4 * width + 2;
    if (room >= 2 && height <= (room - 2) / perRow)
        length = std::min<std::size_t>(length, static_cast<std::size_t>(perRow * height + 2));
    return header.PixelsAt + length;
}

}  // namespace tarnwick
