#include "playfield/PlayWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

class PlayWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartField(windows, 800, 600);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    }

    // Pieces given as {window, group, x, y, width, height}.
    void SetPieces(std::initializer_list<std::array<int, 6>> pieces)
    {
        state.descriptor.TotalTileNum = int(pieces.size());
        AllocatePieceTable(state, state.descriptor.TotalTileNum);
        int i = 0;
        for (const std::array<int, 6>& p : pieces) {
            PieceRecord& piece = state.pieces[i++];
            piece.window = uint8_t(p[0]);
            piece.group = p[1];
            piece.x = p[2];
            piece.y = p[3];
            piece.width = p[4];
            piece.height = p[5];
        }
    }

    PlayWindows windows;
    GameState state;
};

TEST_F(PlayWindowTest, CreationShowsSideZeroAndHidesTheRest)
{
    EXPECT_EQ(state.currentWindow, MW_SIDE0);
    EXPECT_TRUE(windows.windows[MW_SIDE0].visible);
    EXPECT_TRUE(windows.windows[MW_SIDE0].active);
    EXPECT_FALSE(windows.windows[MW_SIDE1].visible);
    for (int n = MW_POCKET0; n <= MW_THUMB; ++n) {
        EXPECT_FALSE(windows.windows[n].visible);
        EXPECT_EQ(windows.windows[n].number, n);
        EXPECT_EQ(windows.stacking[n], n);
    }
    EXPECT_EQ(windows.windows[MW_SIDE1].frame, BoxFromOrigin(0, 0, 800, 600));
    EXPECT_EQ(windows.windows[4].frame.left, 100);
    EXPECT_EQ(windows.windows[4].frame.top, 100);
    EXPECT_EQ(windows.windows[4].caption, "Pocket 3: 0");
    EXPECT_EQ(windows.windows[MW_THUMB].caption, "Thumbnail");
    EXPECT_EQ(windows.windows[5].toolbarButton, 12);
    EXPECT_STREQ(windows.windows[5].menuItem, "MI_PocketsPocket4");
}

TEST_F(PlayWindowTest, BringingToFrontRestacksPocketsAndThumbnailOnly)
{
    BringToFront(windows, state, 3);
    EXPECT_EQ(windows.stacking, (std::array<uint8_t, 7> {0, 1, 2, 4, 5, 6, 3}));
    BringToFront(windows, state, MW_THUMB);
    EXPECT_EQ(windows.stacking, (std::array<uint8_t, 7> {0, 1, 2, 4, 5, 3, 6}));
    BringToFront(windows, state, MW_SIDE1);
    EXPECT_EQ(windows.stacking, (std::array<uint8_t, 7> {0, 1, 2, 4, 5, 3, 6}));
    EXPECT_EQ(state.currentWindow, MW_SIDE1);
}

TEST_F(PlayWindowTest, WindowAtLooksFromTheTopDown)
{
    for (int n : {2, 3})
        windows.windows[n].visible = true;  // frames (0, 0) and (50, 50), 100 x 104
    EXPECT_EQ(WindowAt(windows, 60, 60), 3);
    BringToFront(windows, state, 2);
    EXPECT_EQ(WindowAt(windows, 60, 60), 2);
    EXPECT_EQ(WindowAt(windows, 500, 500), MW_SIDE0);
    windows.windows[MW_SIDE0].visible = false;
    EXPECT_EQ(WindowAt(windows, 500, 500), kNoWindow);
}

TEST_F(PlayWindowTest, MakingCurrentMovesTheActiveFlagsAndTheMenuCaptions)
{
    MakeCurrent(windows, state, 5);
    EXPECT_TRUE(windows.windows[5].active);
    EXPECT_TRUE(windows.windows[5].controls[kCloseButton].windowActive);
    EXPECT_FALSE(windows.windows[MW_SIDE0].active);
    EXPECT_EQ(CurrentWindowMenuKeys(windows).backgroundForCurrent.key, "MI_GameBkgPocket4");
    EXPECT_EQ(CurrentWindowMenuKeys(windows).selectAll.key, "MI_GameSelectAllPocket4");

    // The thumbnail window and the glass have no captions of their own: the last ones stay.
    MakeCurrent(windows, state, kGlassWindow);
    EXPECT_TRUE(windows.glass.active);
    EXPECT_FALSE(windows.windows[5].active);
    EXPECT_EQ(CurrentWindowMenuKeys(windows).backgroundForCurrent.key, "MI_GameBkgPocket4");

    MakeCurrent(windows, state, MW_SIDE1);
    EXPECT_EQ(CurrentWindowMenuKeys(windows).selectAll.key, "MI_GameSelectAllWin2");
    MakeCurrent(windows, state, kNoWindow);
    EXPECT_EQ(state.currentWindow, kNoWindow);
    EXPECT_FALSE(windows.windows[MW_SIDE1].active);
}

TEST_F(PlayWindowTest, HidingTheCurrentPocketFallsBackToTheShownSide)
{
    for (int side : {MW_SIDE0, MW_SIDE1}) {
        ShowSide(windows, state, side, Carrying::Nothing);
        SetVisible(windows, state, 3, Visibility::Shown);
        SetVisible(windows, state, 4, Visibility::Shown);
        MakeCurrent(windows, state, 4);
        SetVisible(windows, state, 4, Visibility::Hidden);
        EXPECT_EQ(state.currentWindow, side);
        EXPECT_FALSE(windows.windows[4].active);
    }
}

TEST_F(PlayWindowTest, HidingAnotherWindowKeepsACurrentPocket)
{
    SetVisible(windows, state, 3, Visibility::Shown);
    SetVisible(windows, state, 4, Visibility::Shown);
    MakeCurrent(windows, state, 3);
    SetVisible(windows, state, 4, Visibility::Hidden);
    EXPECT_EQ(state.currentWindow, 3);
}

TEST_F(PlayWindowTest, ShowSideSwapsTheSidesAndTakesCarriedPiecesAlong)
{
    SetPieces({{0, 7, 0, 0, 10, 10}, {0, 7, 0, 0, 10, 10}, {0, 2, 0, 0, 10, 10}, {0, 3, 0, 0, 10, 10}});
    state.pieces[3].selected = true;
    state.draggedPiece = 0;

    ShowSide(windows, state, MW_SIDE1, Carrying::Pieces);
    EXPECT_TRUE(windows.windows[MW_SIDE1].visible);
    EXPECT_FALSE(windows.windows[MW_SIDE0].visible);
    EXPECT_EQ(state.currentWindow, MW_SIDE1);
    EXPECT_EQ(windows.shownSide, MW_SIDE1);
    EXPECT_EQ(state.pieces[0].window, 1);
    EXPECT_EQ(state.pieces[1].window, 1);
    EXPECT_EQ(state.pieces[2].window, 0);
    EXPECT_EQ(state.pieces[3].window, 1);
    EXPECT_TRUE(state.changed);

    ShowSide(windows, state, MW_SIDE0, Carrying::Nothing);
    EXPECT_EQ(state.pieces[0].window, 1);
}

TEST_F(PlayWindowTest, PiecesCarriedFromAPocketStayInIt)
{
    SetPieces({{3, 0, 0, 0, 10, 10}});
    state.draggedPiece = 0;
    ShowSide(windows, state, MW_SIDE1, Carrying::Pieces);
    EXPECT_EQ(state.pieces[0].window, 3);
    EXPECT_FALSE(state.changed);
}

TEST_F(PlayWindowTest, RecountCountsDistinctGroupsAndRenamesThePocket)
{
    SetPieces({{3, 5, 0, 0, 1, 1}, {3, 5, 0, 0, 1, 1}, {3, 1, 0, 0, 1, 1}, {2, 1, 0, 0, 1, 1}, {3, 9, 0, 0, 1, 1}});
    Recount(windows, state, 3);
    EXPECT_EQ(windows.windows[3].groupCount, 3);
    EXPECT_EQ(windows.windows[3].caption, "Pocket 2: 3");
    EXPECT_EQ(PocketButtonImage(windows.windows[3]), 10);
    Recount(windows, state, 4);
    EXPECT_EQ(windows.windows[4].groupCount, 0);
    EXPECT_EQ(PocketButtonImage(windows.windows[4]), 9);
}

TEST_F(PlayWindowTest, PocketExtentIsThePiecesFarEdgesCappedByTheVirtualField)
{
    SetVirtualField(windows, 1000, 500);  // virtual field 1000 x 600
    SetPieces({{2, 0, 30, 40, 50, 60}, {2, 1, 150, 10, 20, 20}, {3, 2, 900, 900, 10, 10}, {2, 2, 980, 590, 50, 50}});
    UpdateExtent(windows.windows[2], state);
    EXPECT_EQ(windows.windows[2].extentWidth, 1000);
    EXPECT_EQ(windows.windows[2].extentHeight, 600);

    state.pieces[3].window = 4;
    UpdateExtent(windows.windows[2], state);
    EXPECT_EQ(windows.windows[2].extentWidth, 170);
    EXPECT_EQ(windows.windows[2].extentHeight, 100);
    EXPECT_TRUE(windows.windows[2].horizontalBar);  // a 92-pixel client cannot show 170

    UpdateExtent(windows.windows[MW_SIDE0], state);
    EXPECT_EQ(windows.windows[MW_SIDE0].extentWidth, 1000);
}

TEST_F(PlayWindowTest, VirtualFieldAndResize)
{
    SetVirtualField(windows, 1000, 400);
    EXPECT_EQ(windows.field.virtualWidth, 1000);
    EXPECT_EQ(windows.field.virtualHeight, 600);
    EXPECT_EQ(windows.windows[MW_SIDE1].extentWidth, 1000);
    EXPECT_EQ(windows.windows[3].maxClientWidth, 1000);
    EXPECT_EQ(windows.windows[3].maxFrameHeight, 626);
    // The bar that the wide picture needs takes rows, so the side needs both bars.
    EXPECT_TRUE(windows.windows[MW_SIDE0].horizontalBar);
    EXPECT_TRUE(windows.windows[MW_SIDE0].verticalBar);

    ResizeField(windows, 500, 400);
    EXPECT_EQ(windows.field.startWidth, 800);
    EXPECT_EQ(windows.windows[MW_SIDE0].frame, BoxFromOrigin(0, 0, 500, 400));
    EXPECT_EQ(windows.windows[MW_SIDE1].client.width, 483);
}

TEST_F(PlayWindowTest, SidesScrollTogether)
{
    SetVirtualField(windows, 2000, 1000);  // side client 783 x 583
    ScrollStep(windows, MW_SIDE0, WindowPart::ScrollRight);
    ScrollStep(windows, MW_SIDE0, WindowPart::ScrollDown);
    EXPECT_EQ(windows.windows[MW_SIDE0].scrollX, 200);
    EXPECT_EQ(windows.windows[MW_SIDE1].scrollX, 200);
    EXPECT_EQ(windows.windows[MW_SIDE1].scrollY, 100);
    EXPECT_EQ(windows.windows[MW_SIDE1].controls[kHorizontalThumb].box,
              windows.windows[MW_SIDE0].controls[kHorizontalThumb].box);

    for (int i = 0; i < 10; ++i)
        ScrollStep(windows, MW_SIDE1, WindowPart::ScrollRight);
    EXPECT_EQ(windows.windows[MW_SIDE0].scrollX, 2000 - 783);
    for (int i = 0; i < 10; ++i)
        ScrollStep(windows, MW_SIDE1, WindowPart::ScrollUp);
    EXPECT_EQ(windows.windows[MW_SIDE0].scrollY, 0);
}

TEST_F(PlayWindowTest, ThumbPositionGivesTheScrollWithinTheTrack)
{
    SetVirtualField(windows, 2000, 600);  // client 783 x 583; horizontal track 17..765 (749)
    const TMyWin& side = windows.windows[MW_SIDE0];
    ASSERT_EQ(side.horizontalTrack.left, 17);
    ASSERT_EQ(side.horizontalTrack.width, 749);
    ScrollToThumb(windows, MW_SIDE0, WindowPart::HorizontalThumb, 17 + 100);
    EXPECT_EQ(side.scrollX, 100 * 2000 / 749);
    EXPECT_EQ(windows.windows[MW_SIDE1].scrollX, side.scrollX);
    ScrollToThumb(windows, MW_SIDE0, WindowPart::HorizontalThumb, 5000);
    EXPECT_EQ(side.scrollX, 2000 - 783);
    ScrollToThumb(windows, MW_SIDE0, WindowPart::HorizontalThumb, -50);
    EXPECT_EQ(side.scrollX, 0);
}

}  // namespace
}  // namespace kirvo
