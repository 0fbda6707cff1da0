#include "model/decoders/pixel_plane.h"

#include <gtest/gtest.h>

#include <utility>

namespace tarnwick {
namespace {

TEST(PixelPlane, StartsAtItsBackgroundAndCopiesOrMovesWhole)
{
    for (const int value : {0, 9, 255}) {
        const auto background = static_cast<std::uint8_t>(value);
        PixelPlane plane(100000, background);
        EXPECT_EQ(plane[0], background);
        EXPECT_EQ(plane[99999], background);
        plane.Set(99999, 7);
        plane.Set(0, 0);
        EXPECT_EQ(plane[99999], 7);
        EXPECT_EQ(plane[0], 0) << "a pixel set to zero reads zero on background " << int{background};
        EXPECT_EQ(plane[1], background);

        PixelPlane copy = plane;
        copy.Set(99999, 8);
        EXPECT_EQ(plane[99999], 7) << "a copy has bytes of its own";
        EXPECT_EQ(copy[1], background) << "a copy keeps the background";

        PixelPlane moved = std::move(plane);
        EXPECT_EQ(moved.size(), 100000u);
        EXPECT_EQ(moved[99999], 7);
        EXPECT_EQ(moved[1], background);
        EXPECT_TRUE(plane.empty()) << "what is moved from is left empty";  // NOLINT(bugprone-use-after-move)

        plane = copy;
        EXPECT_EQ(plane[99999], 8) << "assigned over an empty plane";
        EXPECT_EQ(plane[2], background);
    }
    EXPECT_TRUE(PixelPlane(0).empty());
}

}  // namespace
}  // namespace tarnwick
