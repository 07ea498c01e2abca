#include "playfield/PlayWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// Frame (100, 50) to (307, 225); client (104, 72) 183 x 133; both bars at scroll (0, 0).
TMyWin ScrolledPocket()
{
    TMyWin pocket;
    InitialiseWindow(pocket, 100, 50, WindowKind::Pocket, 100, 100);
    pocket.extentWidth = 400;
    pocket.extentHeight = 400;
    LayOut(pocket, SizeSource::Given, 200, 150);
    pocket.visible = true;
    return pocket;
}

TEST(PlayWindowHit, EveryPartOfAPocket)
{
    struct Case {
        int x, y;
        WindowPart part;
        const char* what;
    };
    const Case cases[] = {
        {200, 100, WindowPart::None, "client"},
        {200, 60, WindowPart::None, "caption bar (a move, decided by the press)"},
        {99, 120, WindowPart::None, "outside"},
        {100, 120, WindowPart::LeftEdge, "left strip"},
        {307, 120, WindowPart::RightEdge, "right strip"},
        {200, 50, WindowPart::TopEdge, "top strip"},
        {200, 225, WindowPart::BottomEdge, "bottom strip"},
        {101, 51, WindowPart::TopLeftCorner, "top-left corner"},
        {101, 224, WindowPart::BottomLeftCorner, "bottom-left corner"},
        {306, 224, WindowPart::BottomRightCorner, "bottom-right corner"},
        {290, 210, WindowPart::BottomRightCorner, "resize grip"},
        {295, 60, WindowPart::Close, "close button"},
        {110, 210, WindowPart::ScrollLeft, "left arrow"},
        {280, 210, WindowPart::ScrollRight, "right arrow"},
        {150, 210, WindowPart::HorizontalThumb, "horizontal thumb (121..188)"},
        {200, 210, WindowPart::ScrollRight, "track right of the thumb"},
        {295, 80, WindowPart::ScrollUp, "up arrow"},
        {295, 200, WindowPart::ScrollDown, "down arrow"},
        {295, 100, WindowPart::VerticalThumb, "vertical thumb (89..120)"},
        {295, 150, WindowPart::ScrollDown, "track below the thumb"},
    };
    TMyWin pocket = ScrolledPocket();
    for (const Case& c : cases)
        EXPECT_EQ(HitPart(pocket, c.x, c.y, PressState::Hover), c.part) << c.what;
}

TEST(PlayWindowHit, TrackAboveOrLeftOfAScrolledThumbPagesBack)
{
    TMyWin pocket = ScrolledPocket();
    pocket.scrollX = 217;
    pocket.scrollY = 267;
    LayOut(pocket, SizeSource::FromFrame);
    EXPECT_EQ(HitPart(pocket, 125, 210, PressState::Hover), WindowPart::ScrollLeft);
    EXPECT_EQ(HitPart(pocket, 295, 92, PressState::Hover), WindowPart::ScrollUp);
}

TEST(PlayWindowHit, ControlUnderTheMouseBecomesHotAndPressedOnlyOnAPress)
{
    TMyWin pocket = ScrolledPocket();
    HitPart(pocket, 295, 60, PressState::Hover);
    EXPECT_EQ(pocket.hotControl, int(kCloseButton));
    EXPECT_TRUE(pocket.controls[kCloseButton].hot);
    EXPECT_FALSE(pocket.controls[kCloseButton].pressed);

    HitPart(pocket, 110, 210, PressState::Pressed);
    EXPECT_EQ(pocket.hotControl, int(kScrollLeftArrow));
    EXPECT_TRUE(pocket.controls[kScrollLeftArrow].pressed);
    EXPECT_FALSE(pocket.controls[kCloseButton].hot);

    HitPart(pocket, 200, 100, PressState::Hover);
    EXPECT_EQ(pocket.hotControl, -1);
    EXPECT_FALSE(pocket.controls[kScrollLeftArrow].hot);
}

TEST(PlayWindowHit, HiddenWindowHasNoParts)
{
    TMyWin pocket = ScrolledPocket();
    pocket.visible = false;
    EXPECT_EQ(HitPart(pocket, 295, 60, PressState::Pressed), WindowPart::None);
}

TEST(PlayWindowHit, SideSizeGripOnlyWithABar)
{
    TMyWin side;
    InitialiseWindow(side, 0, 0, WindowKind::Side, 400, 300);
    side.visible = true;
    EXPECT_EQ(HitPart(side, 390, 290, PressState::Hover), WindowPart::None);
    side.extentWidth = 800;
    side.extentHeight = 300;
    LayOut(side, SizeSource::FromFrame);
    ASSERT_TRUE(side.horizontalBar);
    EXPECT_EQ(HitPart(side, 390, 290, PressState::Hover), WindowPart::BottomRightCorner);
    EXPECT_EQ(HitPart(side, 390, 100, PressState::Hover), WindowPart::VerticalThumb);
}

TEST(PlayWindowHit, GlassGripIsTheLowerRightTriangle)
{
    TMyWin glass;
    InitialiseWindow(glass, 0, 0, WindowKind::Glass, 240, 240);
    glass.visible = true;
    EXPECT_EQ(HitPart(glass, 239, 239, PressState::Hover), WindowPart::BottomRightCorner);
    EXPECT_EQ(HitPart(glass, 239, 223, PressState::Hover), WindowPart::None);  // 16 + 0 < 17
    EXPECT_EQ(HitPart(glass, 239, 224, PressState::Hover), WindowPart::BottomRightCorner);
    EXPECT_EQ(HitPart(glass, 120, 120, PressState::Hover), WindowPart::None);
    EXPECT_EQ(HitPart(glass, 235, 4, PressState::Hover), WindowPart::Close);
}

TEST(PlayWindowHit, SizingCursors)
{
    EXPECT_EQ(CursorForPart(WindowPart::LeftEdge), SizingCursor::WestEast);
    EXPECT_EQ(CursorForPart(WindowPart::BottomEdge), SizingCursor::NorthSouth);
    EXPECT_EQ(CursorForPart(WindowPart::BottomRightCorner), SizingCursor::NorthWestSouthEast);
    EXPECT_EQ(CursorForPart(WindowPart::BottomLeftCorner), SizingCursor::NorthEastSouthWest);
    EXPECT_EQ(CursorForPart(WindowPart::Close), SizingCursor::Normal);
}

}  // namespace
}  // namespace kirvo
