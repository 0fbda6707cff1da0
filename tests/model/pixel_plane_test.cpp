#include "model/pixel_plane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace tarnwick {
namespace {

TEST(PixelPlane, StartsAtZeroAndCopiesOrMovesWhole)
{
    PixelPlane plane(100000);
    EXPECT_TRUE(std::all_of(plane.begin(), plane.end(), [](std::uint8_t byte) { return byte == 0; }));
    plane[99999] = 7;

    PixelPlane copy = plane;
    copy[99999] = 8;
    EXPECT_EQ(plane[99999], 7) << "a copy has bytes of its own";

    PixelPlane moved = std::move(plane);
    EXPECT_EQ(moved.size(), 100000u);
    EXPECT_EQ(moved[99999], 7);
    EXPECT_TRUE(plane.empty()) << "what is moved from is left empty";  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(plane.begin(), plane.end());

    EXPECT_TRUE(PixelPlane(0).empty());
}

}  // namespace
}  // namespace tarnwick
