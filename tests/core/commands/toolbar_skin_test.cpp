#include "commands/ToolbarSkin.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// A skin sheet whose pixels say where they came from: red = x, green = y.
TPixelBuffer PositionSheet()
{
    TPixelBuffer sheet;
    PixCreate24(sheet, kSkinSheetWidth, kSkinSheetHeight);
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x)
            PixSetPixel(sheet, x, y, MakeColour(x & 0xFF, y, x >> 8));
    return sheet;
}

int SourceX(const TPixelBuffer& built, int x, int y)
{
    Rgb rgb = SplitColour(uint32_t(PixGetPixel(built, x, y)));
    return rgb.red + rgb.blue * 256;
}

TEST(ToolbarSkin, StripsAreTiledBetweenTheirCaps)
{
    TPixelBuffer sheet = PositionSheet();
    TPixelBuffer toolbar = BuildToolbarBackground(sheet, 125, 35);
    EXPECT_EQ(SourceX(toolbar, 0, 0), 308);    // left cap
    EXPECT_EQ(SourceX(toolbar, 10, 0), 328);   // first tile, 10 pixels in
    EXPECT_EQ(SourceX(toolbar, 114, 0), 332);  // third tile
    EXPECT_EQ(SourceX(toolbar, 115, 0), 368);  // right cap
    EXPECT_EQ(SourceX(toolbar, 124, 34), 377);

    TPixelBuffer bar = BuildProgressBar(sheet, 370, BarLook::Full);
    ASSERT_EQ(bar.width, 300);
    ASSERT_EQ(bar.height, 20);
    EXPECT_EQ(SourceX(bar, 0, 0), 340);
    EXPECT_EQ(SourceX(bar, 150, 0), 350);
    EXPECT_EQ(SourceX(bar, 299, 19), 369);
    EXPECT_EQ(SplitColour(uint32_t(PixGetPixel(bar, 0, 0))).green, 1);
    EXPECT_EQ(SplitColour(uint32_t(PixGetPixel(BuildProgressBar(sheet, 370, BarLook::Empty), 0, 0))).green, 22);

    TPixelBuffer panel = BuildProgressBackground(sheet, 370);
    EXPECT_EQ(panel.height, 100);
    EXPECT_EQ(SourceX(panel, 365, 0), 333);
}

TEST(ToolbarSkin, FaceRowsByLook)
{
    EXPECT_EQ(ButtonFaceX(26) + kButtonFace, kButtonSheetWidth - 1);
    EXPECT_EQ(ButtonFaceY(ButtonLookFor(false, true, true)), 61);
    EXPECT_EQ(ButtonFaceY(ButtonLookFor(true, false, true)), 31);
    EXPECT_EQ(ButtonFaceY(ButtonLookFor(true, true, false)), 31);
    EXPECT_EQ(ButtonFaceY(ButtonLookFor(true, false, false)), 1);
}

}  // namespace
}  // namespace kirvo
