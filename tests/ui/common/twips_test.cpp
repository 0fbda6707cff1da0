#include "ui/common/twips.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

struct TwipsCase {
    int twips;
    int dotsPerInch;
    int pixels;
};

TEST(TwipsToPixels, ScalesByTheScreensDotsPerInchAndRounds)
{
    const TwipsCase cases[] = {
        {1440, 96, 96},  {1440, 144, 144},
        {7830, 96, 522}, {7830, 192, 1044},
        {15, 96, 1},                                         // exactly one pixel at 96 DPI
        {7, 96, 0},                                          // 0.47 rounds down
        {8, 96, 1},                                          // 0.53 rounds up
        {-60, 96, -4},                                       // negative places mirror positive ones
        {0, 96, 0},      {2'000'000'000, 192, 266'666'667},  // no overflow on the way
    };
    for (const TwipsCase& row : cases)
        EXPECT_EQ(TwipsToPixels(row.twips, row.dotsPerInch), row.pixels)
            << row.twips << " twips at " << row.dotsPerInch;
}

}  // namespace
}  // namespace tarnwick
