#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/container/byte_string.h"

namespace tarnwick {

// The fields of a Windows BMP file's two headers that say whether its bytes
// can be a picture and how many of them it uses.
struct BmpHeader {
    std::uint32_t FileSize = 0;  // 0 in most game files: not given
    std::uint32_t PixelsAt = 0;  // where the pixel data starts
    std::uint32_t InfoSize = 0;  // the second header's size, which says its layout
    std::int32_t Width = 0;
    std::int32_t Height = 0;  // negative for rows stored from the top
    std::uint16_t BitsPerPixel = 0;
    std::uint32_t Compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 and 6 bit fields
    std::uint32_t ImageSize = 0;    // the pixel data's size; 0 when not given

    [[nodiscard]] bool RunLengthEncoded() const { return Compression == 1 || Compression == 2; }
};

// The headers of a BMP file, when the bytes start with the "BM" signature and
// hold both headers whole, with a second header of a size the picture loader
// knows: the old 12-byte core header, or one of 40, 52, 56, 64, 108 or 124
// bytes. Nothing otherwise.
[[nodiscard]] std::optional<BmpHeader> ReadBmpHeader(ByteSpan bytes);

// How many of the `available` bytes make up the picture the header describes:
// every byte its rows need when they are stored plainly, the declared sizes of
// compressed data (at most what the most wasteful encoding of every pixel
// takes). Nothing when the header does not fit the bytes: a picture of no
// pixels or of a bit depth or compression no loader reads, pixel data that
// starts inside the headers or past the end, a declared file size larger than
// the bytes or smaller than where the pixels start, or rows cut short by the
// end, which a loader would fill in silently with a picture that is not there.
[[nodiscard]] std::optional<std::size_t> BmpLength(const BmpHeader& header, std::size_t available);

}  // namespace tarnwick
