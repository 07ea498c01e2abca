#include "session/ListThumbnail.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

// A picture whose every pixel differs from its neighbours and from white.
TPixelBuffer Gradient(int width, int height, int bytesPerPixel)
{
    TPixelBuffer picture;
    if (bytesPerPixel == 4)
        PixCreate32(picture, width, height);
    else
        PixCreate24(picture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(picture, x, y, MakeColour(x * 7 % 200, y * 11 % 200, 30));
    return picture;
}

TPixelBuffer Plain(int width, int height, uint32_t colour)
{
    TPixelBuffer picture;
    PixCreate24(picture, width, height);
    PixFillRect(picture, 0, 0, width, height, colour);
    return picture;
}

TEST(ListThumbnail, FitRectangleShrinksLargePicturesKeepingTheirShapeAndCentres)
{
    struct Case {
        int targetW, targetH, w, h;
        TBox expected;
    } cases[] = {
        {180, 135, 1920, 1200, BoxFromOrigin(0, 11, 180, 112)},  // wide: the width decides
        {180, 135, 600, 800, BoxFromOrigin(39, 0, 101, 135)},    // tall: the height decides
        {180, 135, 200, 100, BoxFromOrigin(0, 22, 180, 90)},     // too wide only
        {180, 135, 100, 200, BoxFromOrigin(56, 0, 67, 135)},     // too high only
        {180, 135, 240, 180, BoxFromOrigin(0, 0, 180, 135)},     // the area's own shape
        {180, 135, 100, 50, BoxFromOrigin(40, 42, 100, 50)},     // smaller: kept as it is
        {180, 135, 180, 135, BoxFromOrigin(0, 0, 180, 135)},     // exactly the area
        {180, 135, 1, 1000, BoxFromOrigin(89, 0, 1, 135)},       // a hair: never narrower than a pixel
        {180, 135, 1000, 1, BoxFromOrigin(0, 67, 180, 1)},
        {300, 200, 600, 600, BoxFromOrigin(50, 0, 200, 200)},    // another area
        {180, 135, 0, 10, TBox{}},                               // nothing to place
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitRectangle(c.targetW, c.targetH, c.w, c.h), c.expected) << c.w << "x" << c.h;
}

// A picture smaller than the list's cell is copied pixel for pixel into the middle of white.
TEST(ListThumbnail, SmallPreviewIsCopiedIntoTheMiddleOfWhite)
{
    for (int bytesPerPixel : {3, 4}) {
        const TPixelBuffer preview = Gradient(10, 6, bytesPerPixel);
        const TPixelBuffer thumbnail = RenderListThumbnail(preview, nullptr);
        ASSERT_EQ(thumbnail.width, kListThumbWidth);
        ASSERT_EQ(thumbnail.height, kListThumbHeight);
        EXPECT_EQ(thumbnail.bytesPerPixel, 3);
        const TBox inside = BoxFromOrigin(85, 64, 10, 6);
        for (int y = 0; y < kListThumbHeight; ++y)
            for (int x = 0; x < kListThumbWidth; ++x) {
                const int64_t expected =
                    BoxContains(inside, x, y) ? PixGetPixel(preview, x - inside.left, y - inside.top) : kWhite;
                ASSERT_EQ(PixGetPixel(thumbnail, x, y), expected) << x << "," << y << " from " << bytesPerPixel;
            }
    }
}

// 720 x 300 becomes 180 x 75 from row 30 to row 104: left half red, right half blue.
TEST(ListThumbnail, LargePreviewIsScaledDownToFit)
{
    for (bool withAlpha : {false, true}) {
        TPixelBuffer preview;
        if (withAlpha)
            PixCreate32(preview, 720, 300);
        else
            PixCreate24(preview, 720, 300);
        PixFillRect(preview, 0, 0, 360, 300, MakeColour(255, 0, 0));
        PixFillRect(preview, 360, 0, 360, 300, MakeColour(0, 0, 255));
        const TPixelBuffer thumbnail = RenderListThumbnail(preview, nullptr);
        for (int x : {0, 89}) {
            EXPECT_EQ(PixGetPixel(thumbnail, x, 29), kWhite);
            EXPECT_EQ(PixGetPixel(thumbnail, x, 30), MakeColour(255, 0, 0)) << x;
            EXPECT_EQ(PixGetPixel(thumbnail, x, 104), MakeColour(255, 0, 0)) << x;
            EXPECT_EQ(PixGetPixel(thumbnail, x, 105), kWhite);
        }
        for (int x : {91, 179}) {
            EXPECT_EQ(PixGetPixel(thumbnail, x, 30), MakeColour(0, 0, 255)) << x;
            EXPECT_EQ(PixGetPixel(thumbnail, x, 104), MakeColour(0, 0, 255)) << x;
        }
    }
}

// The icon covers the picture's corner from one pixel outside it, or from the cell's edge when
// the picture touches that edge.
TEST(ListThumbnail, SaveIconSitsOverThePicturesTopLeftCorner)
{
    const uint32_t iconColour = MakeColour(0, 200, 0);
    const TPixelBuffer icon = Plain(16, 16, iconColour);
    struct Case {
        int width, height;
        int iconX, iconY;
    } cases[] = {
        {20, 10, 79, 61},      // picture at (80, 62)
        {1920, 1200, 0, 10},   // at (0, 11): touches the left edge
        {600, 800, 38, 0},     // at (39, 0): touches the top edge
        {180, 135, 0, 0},      // fills the cell
    };
    for (const Case& c : cases) {
        const TPixelBuffer thumbnail = RenderListThumbnail(Plain(c.width, c.height, MakeColour(90, 90, 90)), &icon);
        EXPECT_EQ(PixGetPixel(thumbnail, c.iconX, c.iconY), iconColour) << c.width << "x" << c.height;
        EXPECT_EQ(PixGetPixel(thumbnail, c.iconX + 15, c.iconY + 15), iconColour) << c.width << "x" << c.height;
        EXPECT_NE(PixGetPixel(thumbnail, c.iconX + 16, c.iconY + 15), iconColour) << c.width << "x" << c.height;
        EXPECT_NE(PixGetPixel(thumbnail, c.iconX + 15, c.iconY + 16), iconColour) << c.width << "x" << c.height;
        if (c.iconX > 0) {
            EXPECT_EQ(PixGetPixel(thumbnail, c.iconX - 1, c.iconY + 1), kWhite) << c.width << "x" << c.height;
        }
    }
}

// The selection preview draws into any buffer: it comes out 24-bit at the size asked, whatever the
// buffer held before.
TEST(ListThumbnail, FitDrawMakesAFreshPictureOnTheBackground)
{
    TPixelBuffer target;
    PixCreate32(target, 7, 7);
    const uint32_t grey = MakeColour(40, 50, 60);
    FitDraw(target, 300, 200, nullptr, grey, Plain(600, 600, kWhite));
    ASSERT_EQ(target.width, 300);
    ASSERT_EQ(target.height, 200);
    EXPECT_EQ(target.bytesPerPixel, 3);
    EXPECT_EQ(PixGetPixel(target, 49, 100), grey);
    EXPECT_EQ(PixGetPixel(target, 50, 100), kWhite);
    EXPECT_EQ(PixGetPixel(target, 249, 199), kWhite);
    EXPECT_EQ(PixGetPixel(target, 250, 0), grey);
}

TEST(ListThumbnail, PlaceholderIsWhiteWithADarkBlueFrame)
{
    const TPixelBuffer placeholder = PlaceholderThumbnail();
    ASSERT_EQ(placeholder.width, kListThumbWidth);
    ASSERT_EQ(placeholder.height, kListThumbHeight);
    const TBox frame = BoxFromCorners(2, 2, 177, 132);
    for (int y = 0; y < kListThumbHeight; ++y)
        for (int x = 0; x < kListThumbWidth; ++x) {
            const bool onFrame =
                BoxContains(frame, x, y) && (x == frame.left || x == frame.right || y == frame.top || y == frame.bottom);
            ASSERT_EQ(PixGetPixel(placeholder, x, y), onFrame ? MakeColour(0, 0, 128) : kWhite) << x << "," << y;
        }
}

}  // namespace
}  // namespace kirvo
