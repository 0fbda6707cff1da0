#include "model/chunk_window/sprite_preview.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarnwick {
namespace {

constexpr std::uint32_t kUntouched = 0x12345678;

struct Canvas {
    std::size_t width, height;
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(width * height, kUntouched);
    [[nodiscard]] std::uint32_t At(std::size_t x, std::size_t y) const { return pixels[y * width + x]; }
    [[nodiscard]] PixelCanvas View() { return {pixels, width, height, width}; }
};

// Byte k lands at (k mod 65, k / 65): where the last of n bytes goes, and that
// the place after it stays untouched.
TEST(DrawSpritePreview, PutsSixtyFiveBytesInARow)
{
    struct Row {
        std::size_t bytes, lastX, lastY;
    };
    for (const Row row : {Row{65, 64, 0}, Row{66, 0, 1}, Row{130, 64, 1}, Row{131, 0, 2}}) {
        Canvas canvas{70, 4};
        DrawSpritePreview(std::vector<std::uint8_t>(row.bytes, 0xFF), canvas.View());
        EXPECT_EQ(canvas.At(row.lastX, row.lastY), 0xFFFFFFFF) << row.bytes << " bytes";
        const std::size_t next = row.bytes;
        EXPECT_EQ(canvas.At(next % 65, next / 65), kUntouched) << row.bytes << " bytes";
        EXPECT_EQ(canvas.At(65, 0), kUntouched) << "column 65 is never drawn";
    }
}

TEST(DrawSpritePreview, ColoursByTheHighFourBits)
{
    const std::vector<std::uint8_t> bytes = {0x00, 0x0F, 0x7F, 0x80, 0xFF, 0x1A};
    Canvas canvas{65, 1};
    DrawSpritePreview(bytes, canvas.View());
    const std::uint32_t expected[] = {0xFF000000, 0xFF000000, 0xFFC0C0C0, 0xFF808080, 0xFFFFFFFF, 0xFF000080};
    for (std::size_t x = 0; x < bytes.size(); ++x)
        EXPECT_EQ(canvas.At(x, 0), expected[x]) << "byte " << int{bytes[x]};
}

TEST(DrawSpritePreview, DrawsOnlyWhatTheCanvasHolds)
{
    Canvas narrow{10, 2};
    DrawSpritePreview(std::vector<std::uint8_t>(1000, 0x90), narrow.View());
    EXPECT_EQ(narrow.At(9, 1), 0xFF0000FF);

    Canvas empty{4, 2};
    DrawSpritePreview({}, empty.View());
    EXPECT_EQ(empty.pixels, std::vector<std::uint32_t>(8, kUntouched));

    // A canvas whose rows run past its pixels is left alone rather than overrun.
    std::vector<std::uint32_t> few(10, kUntouched);
    DrawSpritePreview(std::vector<std::uint8_t>(100, 0xFF), {few, 10, 2, 10});
    DrawSpritePreview(std::vector<std::uint8_t>(100, 0xFF), {few, 0, 0, 0});
    EXPECT_EQ(few, std::vector<std::uint32_t>(10, kUntouched));
}

}  // namespace
}  // namespace tarnwick
