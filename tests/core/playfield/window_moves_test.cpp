#include "playfield/PlayWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// An 800 x 600 field with pocket 3 open at (100, 50): frame 208 x 176, caption bar a = 22.
class WindowMovesTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartField(windows, 800, 600);
        InitialisePlayWindows(windows, state, "Pocket %d", "Thumbnail");
        TMyWin& pocket = windows.windows[kPocket];
        pocket.visible = true;
        BoxMoveTo(pocket.frame, 100, 50);
        LayOut(pocket, SizeSource::Given, 200, 150);
    }

    WindowPart Press(int window, int x, int y)
    {
        MakeCurrent(windows, state, window);
        return BeginWindowAction(windows, state, x, y, mainWindow, noSkin);
    }

    static constexpr int kPocket = 3;
    PlayWindows windows;
    GameState state;
    WindowSize mainWindow {820, 660};
    TPixelBuffer noSkin;
};

TEST_F(WindowMovesTest, CaptionDragMovesThePocketAndBringsItToFront)
{
    ASSERT_EQ(Press(kPocket, 150, 60), WindowPart::Move);
    EXPECT_EQ(windows.stacking[6], kPocket);
    EXPECT_FALSE(ContinueWindowAction(windows, 170, 90));
    EXPECT_EQ(windows.windows[kPocket].frame, BoxFromOrigin(120, 80, 208, 176));
    EXPECT_EQ(windows.windows[kPocket].client, BoxFromOrigin(124, 102, 200, 150));
    EXPECT_EQ(EndWindowAction(windows, state), WindowPart::Move);
    EXPECT_EQ(windows.action.part, WindowPart::None);
}

TEST_F(WindowMovesTest, PressesThatAreNotWindowActions)
{
    EXPECT_EQ(Press(kPocket, 200, 100), WindowPart::None);  // pocket client: pieces
    EXPECT_EQ(Press(MW_SIDE0, 400, 300), WindowPart::None);
    EXPECT_EQ(windows.action.part, WindowPart::None);
    EXPECT_EQ(Press(kNoWindow, 150, 60), WindowPart::None);
}

TEST_F(WindowMovesTest, ThumbnailWindowMovesFromAnywhereInside)
{
    TMyWin& thumb = windows.windows[MW_THUMB];
    thumb.visible = true;
    EXPECT_EQ(Press(MW_THUMB, 50, 50), WindowPart::Move);  // in its client box
}

TEST_F(WindowMovesTest, GlassMovesByItsOpaqueCorners)
{
    TMyWin& glass = windows.glass;
    glass.visible = true;
    TPixelBuffer skin;
    PixCreate32(skin, 200, 200);  // all transparent
    MakeCurrent(windows, state, kGlassWindow);
    EXPECT_EQ(BeginWindowAction(windows, state, 5, 100, mainWindow, skin), WindowPart::None);
    // Bottom-left corner image: field (0, 147) reads skin (0, 96).
    PixAddress(skin, 5, 96 + 3)[3] = 201;
    EXPECT_EQ(BeginWindowAction(windows, state, 5, 150, mainWindow, skin), WindowPart::Move);
    PixAddress(skin, 5, 96 + 3)[3] = 200;
    EXPECT_EQ(BeginWindowAction(windows, state, 5, 150, mainWindow, skin), WindowPart::None);
}

TEST_F(WindowMovesTest, ResizingKeepsTheOppositeEdgesAndClampsTheSize)
{
    struct Case {
        int pressX, pressY, moveX, moveY;
        WindowPart part;
        TBox frame;
    };
    const Case cases[] = {
        {307, 120, 357, 120, WindowPart::RightEdge, BoxFromOrigin(100, 50, 258, 176)},
        {200, 225, 200, 245, WindowPart::BottomEdge, BoxFromOrigin(100, 50, 208, 196)},
        {100, 120, 300, 120, WindowPart::LeftEdge, BoxFromOrigin(222, 50, 86, 176)},     // 78 wide at least
        {200, 50, 200, 30, WindowPart::TopEdge, BoxFromOrigin(100, 30, 208, 196)},
        {101, 51, 91, 41, WindowPart::TopLeftCorner, BoxFromOrigin(90, 40, 218, 186)},
        {101, 224, 121, 234, WindowPart::BottomLeftCorner, BoxFromOrigin(120, 50, 188, 186)},
        {290, 210, 310, 200, WindowPart::BottomRightCorner, BoxFromOrigin(100, 50, 228, 166)},  // resize grip
    };
    for (const Case& c : cases) {
        SetUp();
        ASSERT_EQ(Press(kPocket, c.pressX, c.pressY), c.part);
        EXPECT_FALSE(ContinueWindowAction(windows, c.moveX, c.moveY));
        EXPECT_EQ(windows.windows[kPocket].frame, c.frame) << int(c.part);
        EndWindowAction(windows, state);
    }
}

TEST_F(WindowMovesTest, KeepAspectWindowFollowsWhicheverEdgeMoved)
{
    TMyWin& thumb = windows.windows[MW_THUMB];
    thumb.visible = true;
    SetClientLimits(thumb, 40, 20, 400, 200);
    LayOut(thumb, SizeSource::Given, 200, 0);  // client 200 x 100 at (4, 22); frame 208 x 126
    ASSERT_EQ(thumb.frame, BoxFromOrigin(0, 0, 208, 126));

    ASSERT_EQ(Press(MW_THUMB, 207, 60), WindowPart::RightEdge);
    ContinueWindowAction(windows, 247, 60);
    EXPECT_EQ(thumb.client, BoxFromOrigin(4, 22, 240, 120));
    EndWindowAction(windows, state);

    ASSERT_EQ(Press(MW_THUMB, 100, 145), WindowPart::BottomEdge);
    ContinueWindowAction(windows, 100, 125);
    EXPECT_EQ(thumb.client, BoxFromOrigin(4, 22, 200, 100));
    EndWindowAction(windows, state);

    ASSERT_EQ(Press(MW_THUMB, 100, 0), WindowPart::TopEdge);  // the bottom edge stays
    ContinueWindowAction(windows, 100, -20);
    EXPECT_EQ(thumb.client, BoxFromOrigin(4, 2, 240, 120));
    EXPECT_EQ(thumb.frame.bottom, 125);
}

TEST_F(WindowMovesTest, SideSizeGripResizesTheMainWindow)
{
    SetVirtualField(windows, 2000, 1000);
    ASSERT_EQ(Press(MW_SIDE0, 790, 590), WindowPart::BottomRightCorner);
    std::optional<WindowSize> size = ContinueWindowAction(windows, 700, 500);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 730);
    EXPECT_EQ(size->height, 570);
    EXPECT_EQ(windows.windows[MW_SIDE0].frame, BoxFromOrigin(0, 0, 800, 600));
}

TEST_F(WindowMovesTest, ArrowPressScrollsAtOnceAndThumbDragFollowsTheMouse)
{
    SetVirtualField(windows, 2000, 1000);  // side client 783 x 583, horizontal track 17..765
    ASSERT_EQ(Press(MW_SIDE0, 790, 590 - 17 - 5), WindowPart::ScrollDown);
    EXPECT_EQ(windows.windows[MW_SIDE0].scrollY, 100);
    EndWindowAction(windows, state);

    const TBox thumb = windows.windows[MW_SIDE0].controls[kHorizontalThumb].box;
    ASSERT_EQ(Press(MW_SIDE0, thumb.left + 10, 590), WindowPart::HorizontalThumb);
    ContinueWindowAction(windows, thumb.left + 110, 590);
    EXPECT_EQ(windows.windows[MW_SIDE0].scrollX, 100 * 2000 / 749);
    EXPECT_EQ(windows.windows[MW_SIDE1].scrollX, windows.windows[MW_SIDE0].scrollX);
}

TEST_F(WindowMovesTest, HandScrollMovesTheFieldWithTheMouse)
{
    SetVirtualField(windows, 2000, 1000);
    TMyWin& side = windows.windows[MW_SIDE0];
    ScrollToThumb(windows, MW_SIDE0, WindowPart::HorizontalThumb, 117);
    ScrollToThumb(windows, MW_SIDE0, WindowPart::VerticalThumb, 117);
    const int scrollX = side.scrollX;
    const int scrollY = side.scrollY;
    MakeCurrent(windows, state, MW_SIDE0);
    BeginHandScroll(windows, state, 400, 300);
    ContinueWindowAction(windows, 400, 300);  // thumb positions round the scroll: no creep
    EXPECT_EQ(side.scrollX, scrollX);
    EXPECT_EQ(side.scrollY, scrollY);
    ContinueWindowAction(windows, 450, 330);  // dragging right and down shows what lies left and up
    EXPECT_LT(side.scrollX, scrollX);
    EXPECT_LT(side.scrollY, scrollY);
    EXPECT_EQ(EndWindowAction(windows, state), WindowPart::HandScroll);
}

TEST_F(WindowMovesTest, CloseButtonHidesOnRelease)
{
    ASSERT_EQ(Press(kPocket, 295, 60), WindowPart::Close);
    EXPECT_TRUE(windows.windows[kPocket].visible);
    EXPECT_EQ(EndWindowAction(windows, state), WindowPart::Close);
    EXPECT_FALSE(windows.windows[kPocket].visible);
    EXPECT_EQ(state.currentWindow, MW_SIDE0);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
}

TEST_F(WindowMovesTest, MovedWindowsArePulledBackIntoTheField)
{
    struct Case {
        int left, top;
        int pulledLeft, pulledTop;
    };
    // Pocket 208 x 176, a = 22; glass 240 x 240, a = 38.
    const Case pocketCases[] = {
        {-189, 100, -164, 100},  // right edge at 18: 44 pixels stay
        {780, 100, 756, 100},
        {100, -30, 100, 0},
        {100, 590, 100, 578},
        {300, 200, 300, 200},
    };
    for (const Case& c : pocketCases) {
        SetUp();
        ASSERT_EQ(Press(kPocket, 150, 60), WindowPart::Move);
        ContinueWindowAction(windows, 150 - 100 + c.left, 60 - 50 + c.top);
        EndWindowAction(windows, state);
        EXPECT_EQ(windows.windows[kPocket].frame, BoxFromOrigin(c.pulledLeft, c.pulledTop, 208, 176))
            << c.left << ", " << c.top;
    }
    const Case glassCases[] = {
        {-220, -230, -202, -202},
        {790, 570, 762, 562},
        {300, 200, 300, 200},
    };
    for (const Case& c : glassCases) {
        SetUp();
        TMyWin& glass = windows.glass;
        glass.visible = true;
        BoxMoveTo(glass.frame, c.left, c.top);
        LayOut(glass, SizeSource::FromFrame);
        PullBackIntoField(windows);
        EXPECT_EQ(glass.frame, BoxFromOrigin(c.pulledLeft, c.pulledTop, 240, 240)) << c.left << ", " << c.top;
        EXPECT_EQ(glass.glassCorners[3], BoxFromOrigin(c.pulledLeft + 147, c.pulledTop + 147, 93, 93));
    }
}

TEST_F(WindowMovesTest, MainWindowResizePullsPocketsBack)
{
    // Too small a field for the pocket: it shows its caption from the top-left corner.
    ResizeField(windows, 120, 150);
    EXPECT_EQ(windows.windows[kPocket].frame.left, 0);
    EXPECT_EQ(windows.windows[kPocket].frame.top, 0);
}

}  // namespace
}  // namespace kirvo
