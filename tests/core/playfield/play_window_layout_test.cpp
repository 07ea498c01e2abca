#include "playfield/PlayWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// A pocket at the field's origin: frame extras 8 x 26, client top-left at (4, 22).
TMyWin Pocket(int extentWidth, int extentHeight, int clientWidth, int clientHeight)
{
    TMyWin pocket;
    InitialiseWindow(pocket, 0, 0, WindowKind::Pocket, 100, 100);
    pocket.extentWidth = extentWidth;
    pocket.extentHeight = extentHeight;
    LayOut(pocket, SizeSource::Given, clientWidth, clientHeight);
    return pocket;
}

TEST(PlayWindowLayout, BarsFollowTheExtentAndTakeTheirRoomFromInsideTheFrame)
{
    struct Case {
        int extentWidth, extentHeight;
        bool horizontal, vertical;
        int clientWidth, clientHeight;
    };
    const Case cases[] = {
        {0, 0, false, false, 200, 150},     // nothing to scroll over
        {190, 140, false, false, 200, 150}, // fits
        {300, 100, true, false, 200, 133},
        {150, 400, false, true, 183, 150},
        {300, 140, true, true, 183, 133},   // the horizontal bar hides the last rows
        {190, 400, true, true, 183, 133},   // the vertical bar hides the last columns
        {300, 400, true, true, 183, 133},
    };
    for (const Case& c : cases) {
        TMyWin pocket = Pocket(c.extentWidth, c.extentHeight, 200, 150);
        SCOPED_TRACE(testing::Message() << "extent " << c.extentWidth << " x " << c.extentHeight);
        EXPECT_EQ(pocket.horizontalBar, c.horizontal);
        EXPECT_EQ(pocket.verticalBar, c.vertical);
        EXPECT_EQ(pocket.frame, BoxFromOrigin(0, 0, 208, 176));
        EXPECT_EQ(pocket.client, BoxFromOrigin(4, 22, c.clientWidth, c.clientHeight));
        EXPECT_EQ(pocket.controls[kScrollLeftArrow].shown, c.horizontal);
        EXPECT_EQ(pocket.controls[kVerticalThumb].shown, c.vertical);
        EXPECT_EQ(BoxIsEmpty(pocket.sizeGrip), !(c.horizontal || c.vertical));
    }
}

TEST(PlayWindowLayout, ClientSizeIsClampedToTheLimits)
{
    TMyWin pocket = Pocket(0, 0, 10, 10);
    EXPECT_EQ(pocket.client, BoxFromOrigin(4, 22, 78, 78));
    EXPECT_EQ(pocket.frame, BoxFromOrigin(0, 0, 86, 104));

    SetClientLimits(pocket, 78, 78, 300, 250);
    EXPECT_EQ(pocket.maxFrameWidth, 308);
    EXPECT_EQ(pocket.maxFrameHeight, 276);
    LayOut(pocket, SizeSource::Given, 1000, 1000);
    EXPECT_EQ(pocket.client, BoxFromOrigin(4, 22, 300, 250));
}

TEST(PlayWindowLayout, KeepAspectDerivesTheHeightFromTheWidth)
{
    TMyWin thumb;
    InitialiseWindow(thumb, 10, 20, WindowKind::Thumbnail, 100, 100);
    SetClientLimits(thumb, 40, 20, 200, 100);
    LayOut(thumb, SizeSource::Given, 161, 999);
    EXPECT_EQ(thumb.client, BoxFromOrigin(14, 42, 161, 80));
    LayOut(thumb, SizeSource::Given, 500, 1);
    EXPECT_EQ(thumb.client, BoxFromOrigin(14, 42, 200, 100));
    EXPECT_FALSE(thumb.horizontalBar);
}

TEST(PlayWindowLayout, ScrollPositionIsClampedAndResetWhenABarComesOrGoes)
{
    TMyWin pocket = Pocket(300, 100, 200, 150);  // horizontal bar, visible width 200
    pocket.scrollX = 50;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.scrollX, 50);
    pocket.scrollX = 150;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.scrollX, 100);

    // Growing past the extent removes the bar and the scroll with it.
    LayOut(pocket, SizeSource::Given, 300, 150);
    EXPECT_FALSE(pocket.horizontalBar);
    EXPECT_EQ(pocket.scrollX, 0);

    // A restored scroll position on a window without bars is dropped when the bar appears.
    pocket.scrollX = 30;
    LayOut(pocket, SizeSource::Given, 200, 150);
    EXPECT_TRUE(pocket.horizontalBar);
    EXPECT_EQ(pocket.scrollX, 0);
}

TEST(PlayWindowLayout, WithNothingToScrollTheScrollPositionIsZero)
{
    TMyWin pocket = Pocket(300, 100, 200, 150);
    pocket.scrollX = 40;
    pocket.extentWidth = 0;
    pocket.extentHeight = 0;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.scrollX, 0);
    EXPECT_FALSE(pocket.horizontalBar);

    // A stale position over an extent that fits is not pulled below 0.
    pocket = Pocket(190, 140, 200, 150);
    pocket.scrollX = 30;
    pocket.scrollY = 30;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.scrollX, 0);
    EXPECT_EQ(pocket.scrollY, 0);
}

TEST(PlayWindowLayout, HorizontalBarPartsAndThumb)
{
    TMyWin pocket = Pocket(400, 100, 200, 150);  // frame 0..207 x 0..175
    EXPECT_EQ(pocket.controls[kScrollLeftArrow].box, BoxFromOrigin(4, 155, 17, 17));
    EXPECT_EQ(pocket.controls[kScrollRightArrow].box, BoxFromOrigin(170, 155, 17, 17));
    EXPECT_EQ(pocket.horizontalTrack, BoxFromOrigin(21, 155, 149, 17));
    EXPECT_EQ(pocket.sizeGrip, BoxFromOrigin(187, 155, 17, 17));
    EXPECT_EQ(pocket.controls[kHorizontalThumb].box, BoxFromOrigin(21, 155, 74, 17));

    pocket.scrollX = 200;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.controls[kHorizontalThumb].box, BoxFromOrigin(95, 155, 74, 17));
}

TEST(PlayWindowLayout, ThumbHasAMinimumLengthAndNeverPassesTheTrackEnd)
{
    TMyWin pocket = Pocket(100000, 100, 200, 150);
    pocket.scrollX = 99800;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.scrollX, 99800);
    EXPECT_EQ(pocket.controls[kHorizontalThumb].box, BoxFromOrigin(158, 155, 12, 17));
}

TEST(PlayWindowLayout, VerticalBarPartsAndThumb)
{
    TMyWin pocket = Pocket(100, 600, 200, 150);
    pocket.scrollY = 450;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(pocket.controls[kScrollUpArrow].box, BoxFromOrigin(187, 22, 17, 17));
    EXPECT_EQ(pocket.controls[kScrollDownArrow].box, BoxFromOrigin(187, 138, 17, 17));
    EXPECT_EQ(pocket.verticalTrack, BoxFromOrigin(187, 39, 17, 99));
    EXPECT_EQ(pocket.controls[kVerticalThumb].box, BoxFromOrigin(187, 113, 17, 24));
}

TEST(PlayWindowLayout, CaptionBoxCloseButtonAndResizeAreas)
{
    TMyWin pocket = Pocket(0, 0, 200, 150);
    EXPECT_EQ(pocket.captionTextBox, BoxFromCorners(12, 0, 180, 21));
    EXPECT_EQ(pocket.controls[kCloseButton].box, BoxFromOrigin(188, 0, 20, 20));
    EXPECT_EQ(pocket.resizeGrip, BoxFromOrigin(187, 155, 17, 17));  // over the client when no bar is shown
    EXPECT_EQ(pocket.leftStrip, BoxFromOrigin(0, 0, 4, 176));
    EXPECT_EQ(pocket.bottomStrip, BoxFromOrigin(0, 172, 208, 4));
    EXPECT_EQ(pocket.bottomRightCorner, BoxFromOrigin(200, 168, 8, 8));

    TMyWin side;
    InitialiseWindow(side, 0, 0, WindowKind::Side, 640, 480);
    EXPECT_TRUE(BoxIsEmpty(side.captionTextBox));
    EXPECT_EQ(side.client, BoxFromOrigin(0, 0, 640, 480));
}

}  // namespace
}  // namespace kirvo
