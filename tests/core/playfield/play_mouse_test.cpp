#include "playfield/PlayMouse.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "play_fixture.h"
#include "playfield/Glass.h"

namespace kirvo {
namespace {

TEST_F(PlayMouseTest, DroppingAPieceBesideItsNeighbourJoinsThem)
{
    Open(false);
    ASSERT_GT(state.descriptor.TotalTileNum, 4);
    PlayOutcome outcome = DragTo(1, PlaceBeside0(1), 2);
    EXPECT_TRUE(outcome.joined);
    EXPECT_EQ(state.pieces[1].group, state.pieces[0].group);
    EXPECT_EQ(std::pair(state.pieces[1].x, state.pieces[1].y), PlaceBeside0(1));
    EXPECT_EQ(drag.state, DragState::Idle);
    EXPECT_EQ(state.draggedPiece, -1);
    EXPECT_TRUE(state.changed);
}

TEST_F(PlayMouseTest, SolvingEveryPieceFinishesThePuzzle)
{
    Open(false);
    ASSERT_LE(state.descriptor.TotalTileNum, 21) << "the pieces must fit beside the picture";
    LayOutApart();
    PlayOutcome last;
    for (int k = 1; k < state.descriptor.TotalTileNum; ++k)
        last = DragTo(k, PlaceBeside0(k), 1);
    EXPECT_TRUE(last.solved);
    EXPECT_TRUE(state.solved);
}

// A selection is carried without snapping.
TEST_F(PlayMouseTest, ASelectionMovesWithoutSnapping)
{
    Open(false);
    state.pieces[1].selected = state.pieces[2].selected = true;
    state.selectionExists = true;
    PlayOutcome outcome = DragTo(1, PlaceBeside0(1));
    EXPECT_FALSE(outcome.joined);
    EXPECT_NE(state.pieces[1].group, state.pieces[0].group);
    EXPECT_EQ(std::pair(state.pieces[1].x, state.pieces[1].y), PlaceBeside0(1));
    EXPECT_TRUE(state.pieces[2].selected);
}

// With click-to-drag a press and release pick the piece up; the next press is ignored and its
// release drops the piece where the mouse is.
TEST_F(PlayMouseTest, ClickToDragPicksUpAndTheNextClickDrops)
{
    Open(false, true);
    drag.clickToDragStart = false;
    auto [x, y] = PointOn(3);
    const int startX = state.pieces[3].x;
    PlayContext play = Play();
    PlayMouseDown(play, kLeftButton, 0, x, y);
    PlayMouseUp(play, kLeftButton, 0, x + 1, y + 2);
    EXPECT_EQ(drag.state, DragState::Carrying);
    PlayMouseMove(play, false, x + 40, y);
    EXPECT_EQ(state.pieces[3].x, startX + 40) << "the piece follows the mouse with no button held";
    EXPECT_EQ(state.redrawMode, RedrawMode::RepaintBox) << "only where the piece was and is is shown again";
    PlayMouseDown(play, kLeftButton, 0, x + 40, y);
    EXPECT_EQ(drag.state, DragState::Carrying);
    PlayMouseUp(play, kLeftButton, 0, x + 40, y);
    EXPECT_EQ(drag.state, DragState::Idle);
    EXPECT_EQ(state.pieces[3].x, startX + 40);
}

// The wheel turns the piece under the mouse without any key, when rotation is on.
TEST_F(PlayMouseTest, TheWheelTurnsThePieceUnderTheMouse)
{
    Open(true);
    const int before = state.pieces[2].rotation;
    auto [x, y] = PointOn(2);
    PlayContext play = Play();
    PlayWheel(play, -120, x, y);
    EXPECT_EQ(state.pieces[2].rotation, (before + 1) % 4);
    PlayWheel(play, 120, x, y);
    EXPECT_EQ(state.pieces[2].rotation, before);

    Open(false);
    auto [x0, y0] = PointOn(2);
    PlayContext unrotated = Play();
    PlayWheel(unrotated, -120, x0, y0);
    EXPECT_EQ(state.pieces[2].rotation, 0);
}

// The move-to-other-side click sends the piece's group to the second side.
TEST_F(PlayMouseTest, TheOtherSideClickSendsTheGroupAcross)
{
    Open(false);
    auto [x, y] = PointOn(4);
    PlayContext play = Play();
    PlayMouseDown(play, kRightButton, 0, x, y);
    PlayMouseUp(play, kRightButton, 0, x, y);
    EXPECT_EQ(state.pieces[4].window, MW_SIDE1);
}

// A rectangle drawn round a piece selects it; pressing an unselected piece clears the selection.
TEST_F(PlayMouseTest, ARectangleSelectsThePiecesInside)
{
    Open(false);
    for (int k = 0; k < state.descriptor.TotalTileNum; ++k)
        state.pieces[size_t(k)].x = state.pieces[size_t(k)].y = 300;
    state.pieces[5].x = state.pieces[5].y = 20;
    PlayContext play = Play();
    const TBox& client = windows.windows[MW_SIDE0].client;
    PlayMouseDown(play, kLeftButton, 0, client.left + 5, client.top + 5);
    EXPECT_EQ(drag.state, DragState::Rectangle);
    PlayMouseMove(play, true, client.left + 200, client.top + 200);
    PlayMouseUp(play, kLeftButton, 0, client.left + 200, client.top + 200);
    EXPECT_TRUE(state.selectionExists);
    for (int k = 0; k < state.descriptor.TotalTileNum; ++k)
        EXPECT_EQ(state.pieces[size_t(k)].selected, k == 5) << k;
}

// Escape while carrying: the group (or the selection) goes back where it was picked up, window
// and all, the drag ends and nothing joins, even over its place beside a neighbour.
TEST_F(PlayMouseTest, EscapePutsWhatIsCarriedBack)
{
    struct Case {
        const char* name;
        bool selection;
        bool intoPocket;
    };
    for (const Case& c : {Case {"group", false, false}, Case {"selection", true, false},
                          Case {"group carried into a pocket", false, true}}) {
        SCOPED_TRACE(c.name);
        Open(false);
        LayOutApart();
        state.pieces[1].selected = state.pieces[2].selected = c.selection;
        state.selectionExists = c.selection;
        if (c.intoPocket)
            ShowOrHidePocket(windows, state, MW_POCKET0, Visibility::Shown);
        const std::vector<PieceRecord> before = state.pieces;
        auto [fromX, fromY] = PointOn(1);
        PlayContext play = Play();
        PlayMouseDown(play, kLeftButton, 0, fromX, fromY);
        if (c.intoPocket) {
            const TBox& pocket = windows.windows[MW_POCKET0].client;
            PlayMouseMove(play, true, pocket.left + 10, pocket.top + 10);
            ASSERT_EQ(state.pieces[1].window, MW_POCKET0);
            ASSERT_EQ(windows.windows[MW_POCKET0].groupCount, 1);
        } else {
            auto [toX, toY] = PlaceBeside0(1);
            PlayMouseMove(play, true, fromX + toX - state.pieces[1].x, fromY + toY - state.pieces[1].y);
        }
        EXPECT_TRUE(CancelDrag(play));
        EXPECT_EQ(drag.state, DragState::Idle);
        EXPECT_EQ(state.draggedPiece, -1);
        EXPECT_EQ(state.currentWindow, MW_SIDE0);
        EXPECT_EQ(windows.windows[MW_POCKET0].groupCount, 0);
        for (int k = 0; k < state.descriptor.TotalTileNum; ++k) {
            const PieceRecord& p = state.pieces[size_t(k)];
            const PieceRecord& was = before[size_t(k)];
            EXPECT_EQ(std::tuple(p.x, p.y, p.window), std::tuple(was.x, was.y, was.window)) << k;
        }
        PlayMouseUp(play, kLeftButton, 0, fromX, fromY);
        EXPECT_NE(state.pieces[1].group, state.pieces[0].group);
        EXPECT_FALSE(CancelDrag(play)) << "nothing is carried any more";
    }
}

// Dropped with the mouse above the field (over the toolbar) or left of it, what was carried comes
// back far enough to be grabbed: three quarters of a piece inside the client box.
TEST_F(PlayMouseTest, ADropOutsideTheFieldStaysWithinReach)
{
    struct Case {
        const char* name;
        bool selection;
        int mouseX;
        int mouseY;
    };
    for (const Case& c : {Case {"group above", false, 200, -12}, Case {"selection above", true, 200, -12},
                          Case {"group to the left", false, -12, 200}, Case {"selection to the left", true, -12, 200}}) {
        SCOPED_TRACE(c.name);
        Open(false);
        LayOutApart();
        state.pieces[7].selected = c.selection;
        state.selectionExists = c.selection;
        auto [fromX, fromY] = PointOn(7);
        PlayContext play = Play();
        PlayMouseDown(play, kLeftButton, 0, fromX, fromY);
        PlayMouseMove(play, true, c.mouseX, c.mouseY);
        PlayMouseUp(play, kLeftButton, 0, c.mouseX, c.mouseY);
        const PieceRecord& p = state.pieces[7];
        const TMyWin& w = windows.windows[MW_SIDE0];
        EXPECT_GE(p.x + p.width - w.scrollX, p.width * 3 / 4);
        EXPECT_GE(p.y + p.height - w.scrollY, p.height * 3 / 4);
        EXPECT_EQ(drag.state, DragState::Idle);
    }
}

// Through the lens the mouse acts on the field point the lens shows: a press picks the piece seen
// there, even where the field under the mouse itself is empty, and the carried piece follows the
// mouse at the lens's scale until the release drops it.
TEST_F(PlayMouseTest, PiecesArePickedAndCarriedThroughTheLens)
{
    struct Case {
        int zoom;
        bool offCentre;  // pressed beside the piece, where only the lens shows it
    } cases[] = {{2, false}, {2, true}, {3, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "zoom " << c.zoom << (c.offCentre ? ", beside the piece" : ""));
        Open(false);
        LayOutApart();
        PieceRecord& piece = state.pieces[1];
        piece.x = 100;
        piece.y = 320;
        const auto [qx, qy] = PointOn(1);
        const int d = c.offCentre ? (piece.x + piece.width + 6 - qx) / 2 * 2 : 0;
        state.currentWindow = MW_SIDE0;
        ASSERT_EQ(d == 0, PieceAtPoint(state, windows, qx + d, qy) == 1);

        // A press e pixels right of the lens centre reaches e / zoom right of it in the field.
        const int e = d * c.zoom / (c.zoom - 1);
        ASSERT_LT(e, 119);
        ToggleGlass(windows, state);
        SetGlassZoom(windows, c.zoom == 3 ? WindowPart::GlassZoom3 : WindowPart::GlassZoom2);
        BoxMoveTo(windows.glass.frame, qx + d - e - 120, qy - 120);
        LayOut(windows.glass, SizeSource::FromFrame);
        const int startX = piece.x;
        PlayContext play = Play();
        PlayMouseDown(play, kLeftButton, 0, qx + d, qy);
        EXPECT_EQ(state.draggedPiece, 1);
        EXPECT_EQ(drag.state, DragState::Carrying);
        PlayMouseMove(play, true, qx + d + 20, qy);
        PlayMouseUp(play, kLeftButton, 0, qx + d + 20, qy);
        EXPECT_EQ(drag.state, DragState::Idle);
        EXPECT_EQ(piece.x, startX + 20 / c.zoom);
    }
}

// The rest of the glass is the glass's own: a press on its box outside the ellipse picks nothing
// under it, its opaque corner moves it with the mouse unmagnified, and its buttons zoom and close.
TEST_F(PlayMouseTest, TheGlassOutsideItsLensIsMovedZoomedAndClosed)
{
    Open(false);
    const auto [qx, qy] = PointOn(1);
    ToggleGlass(windows, state);
    TMyWin& glass = windows.glass;
    BoxMoveTo(glass.frame, qx - 2, qy - 2);
    LayOut(glass, SizeSource::FromFrame);
    PlayContext play = Play();
    PlayMouseDown(play, kLeftButton, 0, qx, qy);
    EXPECT_EQ(state.draggedPiece, -1);
    EXPECT_EQ(drag.state, DragState::Idle);
    EXPECT_EQ(windows.action.part, WindowPart::None);
    PlayMouseUp(play, kLeftButton, 0, qx, qy);
    EXPECT_EQ(glass.frame.left, qx - 2);

    BoxMoveTo(glass.frame, 100, 100);
    LayOut(glass, SizeSource::FromFrame);
    PlayMouseDown(play, kLeftButton, 0, 133, 133);  // on the top-left corner's ring
    PlayMouseMove(play, true, 163, 153);  // inside the lens, yet not magnified
    PlayMouseUp(play, kLeftButton, 0, 163, 153);
    EXPECT_EQ(glass.frame, BoxFromOrigin(130, 120, 240, 240));

    PlayMouseDown(play, kLeftButton, 0, 135, 355);  // the zoom button at the bottom left
    PlayMouseUp(play, kLeftButton, 0, 135, 355);
    EXPECT_EQ(windows.glassZoom, 3);
    EXPECT_TRUE(glass.controls[kZoom2Button].shown);
    PlayMouseDown(play, kLeftButton, 0, 135, 355);
    PlayMouseUp(play, kLeftButton, 0, 135, 355);
    EXPECT_EQ(windows.glassZoom, 2);
    PlayMouseDown(play, kLeftButton, 0, 365, 125);  // the close button at the top right
    PlayMouseUp(play, kLeftButton, 0, 365, 125);
    EXPECT_FALSE(glass.visible);
}

}  // namespace
}  // namespace kirvo
