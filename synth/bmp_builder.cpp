#include "synth/bmp_builder.h"

namespace tarnwick::fixtures {

namespace {

// One stored row: pixels packed from the high bits down, padded to 4 bytes.
Bytes Row(const Bitmap& bitmap, int y)
{
    Bytes row;
    const auto pixel = [&](int x) {
        return bitmap.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bitmap.width) +
                             static_cast<std::size_t>(x)];
    };
    if (bitmap.bitsPerPixel == 24) {
        for (int x = 0; x < bitmap.width; ++x)
            AppendLittleEndian(row, pixel(x), 3);  // blue, green, red
    } else {
        const int perByte = 8 / bitmap.bitsPerPixel;
        for (int x = 0; x < bitmap.width; x += perByte) {
            std::uint32_t packed = 0;
            for (int i = 0; i < perByte; ++i)
                packed = (packed << bitmap.bitsPerPixel) | (x + i < bitmap.width ? pixel(x + i) : 0);
            row.push_back(static_cast<std::uint8_t>(packed));
        }
    }
    row.resize((row.size() + 3) / 4 * 4, 0);
    return row;
}

}  // namespace

Bytes BmpFile(const Bitmap& bitmap)
{
    const bool runLength = !bitmap.runLengthData.empty();
    Bytes rows = bitmap.runLengthData;
    for (int i = 0; i < bitmap.height && !runLength; ++i) {
        const Bytes row = Row(bitmap, bitmap.topDown ? i : bitmap.height - 1 - i);
        rows.insert(rows.end(), row.begin(), row.end());
    }
    const auto paletteSize = static_cast<std::uint32_t>(bitmap.palette.size());
    const std::uint32_t dataOffset = 14 + 40 + 4 * paletteSize;
    Bytes file = {'B', 'M'};
    AppendLittleEndian(file, dataOffset + static_cast<std::uint32_t>(rows.size()), 4);
    AppendLittleEndian(file, 0, 4);
    AppendLittleEndian(file, dataOffset, 4);
    AppendLittleEndian(file, 40, 4);
    AppendLittleEndian(file, static_cast<std::uint32_t>(bitmap.width), 4);
    AppendLittleEndian(file, static_cast<std::uint32_t>(bitmap.topDown ? -bitmap.height : bitmap.height), 4);
    AppendLittleEndian(file, 1, 2);
    AppendLittleEndian(file, static_cast<std::uint32_t>(bitmap.bitsPerPixel), 2);
    AppendLittleEndian(file, runLength ? (bitmap.bitsPerPixel == 8 ? 1 : 2) : 0, 4);  // RLE8, RLE4 or none
    AppendLittleEndian(file, static_cast<std::uint32_t>(rows.size()), 4);
    AppendLittleEndian(file, 2835, 4);
    AppendLittleEndian(file, 2835, 4);
    AppendLittleEndian(file, paletteSize, 4);
    AppendLittleEndian(file, 0, 4);
    for (const std::uint32_t colour : bitmap.palette)
        AppendLittleEndian(file, colour, 4);  // blue, green, red, 0
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

}  // namespace tarnwick::fixtures
