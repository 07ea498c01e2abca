#include "playfield/PlayWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// An 800 x 600 field: a new pocket is 200 x 150.
class PocketsTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartField(windows, 800, 600);
        InitialisePlayWindows(windows, state, "Pocket %d (%d)", "Thumbnail");
        state.descriptor.TotalTileNum = 0;
        AllocatePieceTable(state, 0);
    }

    void Open(int pocket, int left, int top)
    {
        TMyWin& w = windows.windows[pocket];
        w.visible = true;
        BoxMoveTo(w.frame, left, top);
        LayOut(w, SizeSource::FromFrame);
    }

    // One piece of its own group in the pocket.
    void PutPiece(int pocket, int x, int y)
    {
        const int index = state.descriptor.TotalTileNum++;
        state.pieces.resize(index + 1);
        state.pieces[index].window = uint8_t(pocket);
        state.pieces[index].group = index;
        state.pieces[index].x = x;
        state.pieces[index].y = y;
        state.pieces[index].width = 40;
        state.pieces[index].height = 40;
        Recount(windows, state, pocket);
    }

    PlayWindows windows;
    GameState state;
};

TEST_F(PocketsTest, TheSmallestFieldStillGivesANewPocketItsSmallestFrame)
{
    const WindowSize smallest = SmallestField();
    ResizeField(windows, smallest.width, smallest.height);
    ShowOrHidePocket(windows, state, MW_POCKET0, Visibility::Shown);
    const TMyWin& pocket = windows.windows[MW_POCKET0];
    EXPECT_EQ(pocket.frame, NewPocketFrame(windows, MW_POCKET0)) << "not enlarged by the pocket's limits";
    EXPECT_EQ(pocket.frame.width, pocket.minFrameWidth);
    EXPECT_EQ(pocket.frame.height, pocket.minFrameHeight);
    EXPECT_EQ(pocket.frame.right, smallest.width - 1);
}

TEST_F(PocketsTest, NewPocketPlacement)
{
    struct Case {
        std::vector<std::array<int, 3>> open;  // pocket, left, top
        int left, top;
        const char* what;
    };
    const Case cases[] = {
        {{}, 600, 0, "none open: top right"},
        {{{2, 600, 0}}, 560, 40, "beside and below the open one"},
        {{{2, 700, 500}}, 600, 450, "would leave the field: right edge, bottom quarter"},
        {{{2, 300, 100}, {3, 100, 200}}, 60, 240, "left-most that is also lower"},
        {{{2, 100, 100}, {3, 50, 50}}, 60, 140, "a left-most pocket higher up does not count"},
        {{{2, 20, 0}}, 0, 40, "negative left becomes 0"},
    };
    for (const Case& c : cases) {
        SetUp();
        for (const std::array<int, 3>& o : c.open)
            Open(o[0], o[1], o[2]);
        EXPECT_EQ(NewPocketFrame(windows, 5), BoxFromOrigin(c.left, c.top, 200, 150)) << c.what;
    }
}

TEST_F(PocketsTest, ShowingAnEmptyPocketPlacesItAndBringsItToFront)
{
    Open(2, 600, 0);
    ShowOrHidePocket(windows, state, 4, Visibility::Shown);
    const TMyWin& pocket = windows.windows[4];
    EXPECT_TRUE(pocket.visible);
    EXPECT_EQ(pocket.frame, BoxFromOrigin(560, 40, 200, 150));
    EXPECT_EQ(windows.stacking[6], 4);
    EXPECT_EQ(state.currentWindow, 4);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
}

TEST_F(PocketsTest, ShowingAPocketWithPiecesKeepsItsPlace)
{
    PutPiece(3, 0, 0);
    ShowOrHidePocket(windows, state, 3, Visibility::Shown);
    EXPECT_EQ(windows.windows[3].frame.left, 50);
    EXPECT_EQ(windows.windows[3].frame.top, 50);
}

TEST_F(PocketsTest, ToggleShowsAndHides)
{
    TogglePocket(windows, state, 5);
    EXPECT_TRUE(windows.windows[5].visible);
    TogglePocket(windows, state, 5);
    EXPECT_FALSE(windows.windows[5].visible);
    EXPECT_EQ(state.currentWindow, MW_SIDE0);
}

TEST_F(PocketsTest, TileAndCascadeDoNothingWithoutOpenOrFilledPockets)
{
    const std::array<uint8_t, kPlayWindowCount> stacking = windows.stacking;
    TilePockets(windows, state);
    CascadePockets(windows, state);
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n)
        EXPECT_FALSE(windows.windows[n].visible);
    EXPECT_EQ(windows.stacking, stacking);
    EXPECT_EQ(state.redrawMode, RedrawMode::Nothing);
}

TEST_F(PocketsTest, TileOpensFilledPocketsAndStacksThemAtTheRight)
{
    Open(2, 10, 10);
    PutPiece(4, 300, 20);  // hidden, but holds a piece
    TilePockets(windows, state);
    EXPECT_TRUE(windows.windows[4].visible);
    EXPECT_FALSE(windows.windows[3].visible);
    EXPECT_EQ(windows.windows[2].frame, BoxFromOrigin(600, 0, 200, 300));
    EXPECT_EQ(windows.windows[4].frame, BoxFromOrigin(600, 300, 200, 300));
    EXPECT_EQ(windows.windows[4].extentWidth, 340);
    EXPECT_TRUE(windows.windows[4].horizontalBar);
    EXPECT_EQ(windows.stacking[6], 4);
    EXPECT_EQ(state.currentWindow, 4);
}

TEST_F(PocketsTest, CascadeStepsThirtyRightAndThirtyFourDown)
{
    Open(2, 0, 0);
    Open(3, 0, 0);
    Open(5, 0, 0);
    CascadePockets(windows, state);
    EXPECT_EQ(windows.windows[2].frame, BoxFromOrigin(540, 0, 200, 498));
    EXPECT_EQ(windows.windows[3].frame, BoxFromOrigin(570, 34, 200, 498));
    EXPECT_EQ(windows.windows[5].frame, BoxFromOrigin(600, 68, 200, 498));
    EXPECT_EQ(windows.stacking[6], 5);
}

TEST_F(PocketsTest, ResetHidesAndEmptiesEveryPocket)
{
    PutPiece(3, 0, 0);
    Open(3, 0, 0);
    MakeCurrent(windows, state, 3);
    state.pieces[0].window = MW_SIDE0;
    ResetPockets(windows, state);
    EXPECT_FALSE(windows.windows[3].visible);
    EXPECT_EQ(windows.windows[3].groupCount, 0);
    EXPECT_EQ(windows.windows[3].caption, "Pocket 2 (0)");
    EXPECT_EQ(windows.windows[3].extentWidth, 0);
    EXPECT_EQ(state.currentWindow, MW_SIDE0);
}

TEST_F(PocketsTest, CaptionFormatChangeRenamesEveryPocket)
{
    PutPiece(5, 0, 0);
    SetPocketCaptionFormat(windows, "Tasche %d - %d");
    EXPECT_EQ(windows.windows[2].caption, "Tasche 1 - 0");
    EXPECT_EQ(windows.windows[5].caption, "Tasche 4 - 1");
}

}  // namespace
}  // namespace kirvo
