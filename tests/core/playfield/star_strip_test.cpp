#include "playfield/StarStrip.h"

#include <gtest/gtest.h>

#include "playfield/FieldImage.h"

namespace kirvo {
namespace {

TEST(StarStrip, FramesGrowInsideTheirSquareOnTheTransparentKey)
{
    const TPixelBuffer strip = DrawStarStrip();
    ASSERT_EQ(strip.height, kStarSize);
    ASSERT_GE(strip.width, (kStarFrameCount - 1) * kStarStep + kStarSize);
    int previous = 0;
    for (int frame = 0; frame < kStarFrameCount; ++frame) {
        SCOPED_TRACE(frame);
        int ink = 0;
        for (int y = 0; y < kStarSize; ++y) {
            for (int x = 0; x < kStarStep; ++x) {
                const bool transparent = PixGetPixel(strip, frame * kStarStep + x, y) == kStarKey;
                if (x == kStarSize || y == 0 || x == 0 || y == kStarSize - 1) {
                    EXPECT_TRUE(transparent) << "the star keeps off the frame's edges: " << x << ", " << y;
                }
                ink += !transparent;
            }
        }
        EXPECT_GT(ink, previous);
        previous = ink;
    }
}

}  // namespace
}  // namespace kirvo
