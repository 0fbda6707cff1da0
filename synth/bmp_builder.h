#pragma once

#include <cstdint>
#include <vector>

#include "synth/iff_builder.h"

namespace tarnwick::fixtures {

// A picture to write as a Windows BMP file.
struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;               // 1, 4, 8 or 24
    bool topDown = false;                // rows stored from the top (a negative height)
    std::vector<std::uint32_t> palette;  // 0xRRGGBB, for 1, 4 and 8 bits per pixel
    std::vector<std::uint32_t> pixels;   // row by row from the top: palette indexes, or 0xRRGGBB
    // When given, the pixel data instead of `pixels`, stored as it is and
    // marked run-length encoded: RLE8 at 8 bits per pixel, RLE4 at 4.
    std::vector<std::uint8_t> runLengthData;
};

[[nodiscard]] Bytes BmpFile(const Bitmap& bitmap);

}  // namespace tarnwick::fixtures
