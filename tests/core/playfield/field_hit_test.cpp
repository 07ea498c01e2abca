#include "core/playfield/field_fixture.h"

namespace kirvo {
namespace {

// Two 8 x 8 pieces on the scrolled pocket: "below" at (20, 10) and "above" at (24, 14), whose
// top-left 3 x 3 corner belongs to a neighbour (a transparent corner over "below").
class FieldHit : public FieldTest {
protected:
    FieldHit()
    {
        Own(0, 0, 8, 8, 25);
        Own(10, 0, 8, 8, 150);
        Own(10, 0, 3, 3, 75);
        ShowScrolledPocket(40, 30, 6, 4);
        below = AddPiece(0, 0, 8, 8, 25, MW_POCKET0, 20, 10);
        above = AddPiece(10, 0, 8, 8, 150, MW_POCKET0, 24, 14);
    }

    // The screen point of a virtual-field point of the pocket.
    int Hit(int u, int v) const
    {
        const TMyWin& pocket = windows.windows[MW_POCKET0];
        return PieceAtPoint(state, windows, pocket.client.left + u - pocket.scrollX, pocket.client.top + v - pocket.scrollY);
    }

    int below = -1;
    int above = -1;
};

TEST_F(FieldHit, TheMaskDecidesAndTheTopmostGroupWins)
{
    struct Case {
        int u, v;
        int expected;
        const char* what;
    };
    const Case cases[] = {
        {27, 17, above, "where both boxes hold the point"},
        {24, 14, below, "the transparent corner of the top piece shows the piece below"},
        {31, 21, above, "bottom-right pixel of the top piece"},
        {32, 21, -1, "just past it"},
        {20, 10, below, "top-left pixel of the piece below"},
        {19, 10, -1, "left of everything"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hit(c.u, c.v), c.expected) << c.what;

    std::swap(state.pieces[below].group, state.pieces[above].group);
    SortDrawOrder(state, SortOrder::Ascending);
    EXPECT_EQ(Hit(27, 17), below) << "restacked";
}

TEST_F(FieldHit, ATransparentCornerOverNothingHitsNothing)
{
    state.pieces[below].x = 100;
    EXPECT_EQ(Hit(24, 14), -1);
    EXPECT_EQ(Hit(25, 17), above);
}

TEST_F(FieldHit, OnlyTheVisiblePiecesOfTheCurrentWindowCount)
{
    // A piece reaching under the vertical scroll bar is not there for the mouse.
    const TMyWin& pocket = windows.windows[MW_POCKET0];
    state.pieces[above].x = pocket.scrollX + pocket.client.width - 4;
    EXPECT_EQ(PieceAtPoint(state, windows, pocket.client.right, pocket.client.top + 14 - pocket.scrollY + 3), above);
    EXPECT_EQ(PieceAtPoint(state, windows, pocket.client.right + 1, pocket.client.top + 14 - pocket.scrollY + 3), -1);

    state.pieces[below].window = MW_SIDE0;
    EXPECT_EQ(Hit(20, 10), -1) << "a piece of another window";
    state.currentWindow = kNoWindow;
    EXPECT_EQ(Hit(28, 18), -1);
}

TEST_F(FieldHit, TurnedPiecesAreReadFromTheirTurnedMask)
{
    TPixelBuffer& turnedMask = state.buffers[kMaskBuffer + 1];
    PixRotate90Banded(turnedMask, state.buffers[kMaskBuffer], kMaskMargin);
    state.pieces[above].rotation = 1;
    DeriveGeometry(state, above);
    // The transparent corner, top-left unturned, is top-right after a quarter turn clockwise.
    EXPECT_EQ(Hit(31, 14), -1);
    EXPECT_EQ(Hit(24, 14), above);

    state.pieces[above].rotation = 2;  // never made: nothing to hit
    EXPECT_EQ(Hit(26, 18), -1);
}

}  // namespace
}  // namespace kirvo
