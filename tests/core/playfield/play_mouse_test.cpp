#include "playfield/PlayMouse.h"

#include <gtest/gtest.h>

#include <utility>

#include "playfield/Glass.h"
#include "playfield/Joining.h"
#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

constexpr int kFieldWidth = 640;
constexpr int kFieldHeight = 480;

using testing::DrawnAtlas;

// A freshly opened game of a small picture, played with the mouse on the field.
class PlayMouseTest : public ::testing::Test {
protected:
    void Open(bool rotate, bool clickToDrag = false)
    {
        SetStartField(windows, kFieldWidth, kFieldHeight);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        SizeFieldImages(field, kFieldWidth, kFieldHeight, kDefaultBackground);
        NewGameChoices choices;
        choices.pending.ImageW = 240;
        choices.pending.ImageH = 180;
        TakeChoices(choices.pending, {.Rotate = rotate, .ShapeStyle = 4, .Level = 13, .FitToScreen = false});
        ComputeFitSize(choices.pending, kFieldWidth, kFieldHeight);
        ASSERT_TRUE(ApplyChosenLevel(choices.pending));
        choices.seedText = "5";
        TPixelBuffer picture;
        PixCreate24(picture, 240, 180);
        PixFillRect(picture, 0, 0, 240, 180, 0x808080);
        Random random;
        ASSERT_TRUE(StartNewGame(state, windows, choices, std::move(picture), random, DrawnAtlas()));
        options.keys.bClickToDrag = clickToDrag;
        Redraw(field, state, windows, TPixelBuffer {});
    }

    PlayContext Play() { return {state, windows, field, drag, options, {kFieldWidth, kFieldHeight + 40}}; }

    // A field point on the piece: the middle of its box, or the first point of it found from there.
    std::pair<int, int> PointOn(int piece)
    {
        const PieceRecord& p = state.pieces[size_t(piece)];
        const TMyWin& w = windows.windows[p.window];
        for (int dy = 0; dy < p.height; ++dy)
            for (int dx = 0; dx < p.width; ++dx) {
                const int x = p.x + (p.width / 2 + dx) % p.width + w.client.left - w.scrollX;
                const int y = p.y + (p.height / 2 + dy) % p.height + w.client.top - w.scrollY;
                state.currentWindow = p.window;
                if (PieceAtPoint(state, windows, x, y) == piece)
                    return {x, y};
            }
        ADD_FAILURE() << "no point on piece " << piece;
        return {0, 0};
    }

    // Piece 0 at the top left, the others apart in rows on the right, so none covers another.
    void LayOutApart()
    {
        PieceRecord& first = state.pieces[0];
        first.x = 20 + first.sourceX;
        first.y = 20 + first.sourceY;
        for (int k = 1; k < state.descriptor.TotalTileNum; ++k) {
            state.pieces[size_t(k)].x = 300 + (k - 1) % 4 * 85;
            state.pieces[size_t(k)].y = 10 + (k - 1) / 4 * 85;
        }
    }

    // Where piece k must lie to join piece 0 unturned.
    std::pair<int, int> PlaceBeside0(int k)
    {
        const PieceRecord& first = state.pieces[0];
        const PieceRecord& p = state.pieces[size_t(k)];
        return {first.x - first.sourceX + p.sourceX, first.y - first.sourceY + p.sourceY};
    }

    // Drags piece k by the left button so that it ends at (x, y) plus the slip.
    PlayOutcome DragTo(int k, std::pair<int, int> place, int slip = 0)
    {
        auto [fromX, fromY] = PointOn(k);
        const PieceRecord& p = state.pieces[size_t(k)];
        const int toX = fromX + place.first - p.x + slip;
        const int toY = fromY + place.second - p.y + slip;
        PlayContext play = Play();
        PlayMouseDown(play, kLeftButton, 0, fromX, fromY);
        PlayMouseMove(play, true, (fromX + toX) / 2, (fromY + toY) / 2);
        PlayMouseMove(play, true, toX, toY);
        return PlayMouseUp(play, kLeftButton, 0, toX, toY);
    }

    GameState state;
    PlayWindows windows;
    FieldImage field;
    PlayDrag drag;
    PlayOptions options;
};

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
