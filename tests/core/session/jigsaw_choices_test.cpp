#include "session/JigsawChoices.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(JigsawChoicesTest, FitSizeIsTheLargestOfThePicturesProportions)
{
    struct Case {
        int width, height, availableWidth, availableHeight, fitWidth, fitHeight;
    };
    const Case cases[] = {
        {800, 600, 1000, 700, 800, 600},     // fits as it is
        {1000, 700, 1000, 700, 1000, 700},   // exactly
        {2000, 1000, 1000, 400, 800, 400},   // the field is wider than the picture: height decides
        {2000, 1000, 1000, 800, 1000, 500},  // narrower: width decides
        {1001, 333, 1000, 700, 1000, 332},   // rounded down
        {333, 1001, 1000, 700, 232, 700},
    };
    for (const Case& c : cases) {
        Descriptor pending;
        pending.ImageW = c.width;
        pending.ImageH = c.height;
        ComputeFitSize(pending, c.availableWidth, c.availableHeight);
        EXPECT_EQ(pending.fitWidth, c.fitWidth) << c.width << "x" << c.height;
        EXPECT_EQ(pending.fitHeight, c.fitHeight) << c.width << "x" << c.height;
    }
}

// Fitting a large picture to the screen cuts it at the fit size, so it has fewer pieces.
TEST(JigsawChoicesTest, FitToScreenCutsAtTheFitSize)
{
    Descriptor pending;
    pending.ImageW = 3200;
    pending.ImageH = 2400;
    TakeChoices(pending, {.Rotate = true, .BorderStyle = 1, .ShapeStyle = 2, .Level = 0, .SpreadOut = 1, .FitToScreen = false});
    EXPECT_EQ(pending.Rotate, 1);
    EXPECT_EQ(pending.BorderStyle, 1);
    EXPECT_EQ(pending.ShapeStyle, 2);
    EXPECT_EQ(pending.SpreadOut, 1);
    ComputeFitSize(pending, 1600, 1200);
    ASSERT_TRUE(ApplyChosenLevel(pending));
    const int unfitted = pending.TotalTileNum;

    pending.FitToScreen = 1;
    EXPECT_EQ(CutWidth(pending), 1600);
    EXPECT_EQ(CutHeight(pending), 1200);
    ASSERT_TRUE(ApplyChosenLevel(pending));
    EXPECT_LT(pending.TotalTileNum, unfitted);
}

}  // namespace
}  // namespace kirvo
