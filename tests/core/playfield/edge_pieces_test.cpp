#include "playfield/EdgePieces.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "session/JigsawChoices.h"
#include "session/NewGame.h"
#include "support/DrawnAtlas.h"

namespace kirvo {
namespace {

using Pieces = std::set<int>;

// A freshly cut grid puzzle of a 240 x 180 picture on a 640 x 480 field, with or without a frame.
class EdgePiecesTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        SetStartField(windows, 640, 480);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        NewGameChoices choices;
        choices.pending.ImageW = 240;
        choices.pending.ImageH = 180;
        TakeChoices(choices.pending, {.BorderStyle = GetParam(), .ShapeStyle = 4, .Level = 13, .FitToScreen = false});
        ComputeFitSize(choices.pending, 640, 480);
        ASSERT_TRUE(ApplyChosenLevel(choices.pending));
        choices.seedText = "5";
        TPixelBuffer picture;
        PixCreate24(picture, 240, 180);
        Random seeded;
        ASSERT_TRUE(StartNewGame(state, windows, choices, std::move(picture), seeded, testing::DrawnAtlas()));
        ASSERT_GT(state.descriptor.TilePX, 3);
        ASSERT_GT(state.descriptor.TilePY, 3);
    }

    // The cells of the outer ring, from the grid itself.
    Pieces OuterRing() const
    {
        const int columns = state.descriptor.TilePX;
        const int rows = state.descriptor.TilePY;
        Pieces ring;
        for (int k = 0; k < columns * rows; ++k)
            if (k % columns == 0 || k % columns == columns - 1 || k / columns == 0 || k / columns == rows - 1)
                ring.insert(k);
        return ring;
    }

    // An inner piece joined to nothing.
    int InnerPiece() const { return state.descriptor.TilePX + 1; }

    // Joins the piece to the frame, or, without one, to its right-hand neighbour.
    void Join(int piece)
    {
        const int frame = BorderPieceIndex(state);
        state.pieces[size_t(piece)].group = state.pieces[size_t(frame >= 0 ? frame : piece + 1)].group;
    }

    GameState state;
    PlayWindows windows;
    Random random {3};
};

INSTANTIATE_TEST_SUITE_P(FrameOrNot, EdgePiecesTest, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) { return info.param ? "Frame" : "NoFrame"; });

TEST_P(EdgePiecesTest, TheLoosePiecesOfTheOuterRingAreFound)
{
    const std::vector<int> found = LooseEdgePieces(state);
    EXPECT_EQ(Pieces(found.begin(), found.end()), OuterRing());

    Pieces expected = OuterRing();
    Join(0);
    expected.erase(0);
    if (GetParam() == 0)
        expected.erase(1);
    state.weightedPiece = state.descriptor.TilePX - 1;
    expected.erase(state.weightedPiece);
    const std::vector<int> loose = LooseEdgePieces(state);
    EXPECT_EQ(Pieces(loose.begin(), loose.end()), expected);
}

// Edge pieces from both sides and another pocket go to pocket 1 below the inner piece it holds:
// no two boxes overlap, all lie in the pocket's room, and joined or weighted pieces stay.
TEST_P(EdgePiecesTest, ToAPocketTheyLieApartBelowWhatItHolds)
{
    Join(0);
    state.weightedPiece = state.descriptor.TilePX - 1;
    const int columns = state.descriptor.TilePX;
    state.pieces[size_t(InnerPiece())].window = MW_POCKET0;
    state.pieces[size_t(InnerPiece())].x = 30;
    state.pieces[size_t(InnerPiece())].y = 20;
    state.pieces[size_t(2 * columns)].window = MW_SIDE1;
    state.pieces[size_t(3 * columns)].window = MW_POCKET0 + 2;
    const std::vector<int> loose = LooseEdgePieces(state);
    const Pieces moving(loose.begin(), loose.end());
    const std::vector<PieceRecord> before = state.pieces;

    ASSERT_TRUE(EdgePiecesToPocket(state, windows, MW_POCKET0, random));
    const TMyWin& pocket = windows.windows[MW_POCKET0];
    EXPECT_TRUE(pocket.visible);
    EXPECT_EQ(state.currentWindow, MW_POCKET0);
    EXPECT_EQ(pocket.groupCount, int(moving.size()) + 1);
    EXPECT_EQ(windows.windows[MW_POCKET0 + 2].groupCount, 0);
    EXPECT_TRUE(state.changed);

    const PieceRecord& inner = state.pieces[size_t(InnerPiece())];
    std::vector<TBox> boxes;
    for (int k = 0; k < PieceCount(state); ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        if (!moving.contains(k)) {
            EXPECT_EQ(p, before[size_t(k)]) << k;
            continue;
        }
        EXPECT_EQ(p.window, MW_POCKET0) << k;
        EXPECT_GT(p.y, inner.y + inner.height) << k;
        EXPECT_LE(p.x + p.width, windows.field.virtualWidth) << k;
        EXPECT_LE(p.y + p.height, windows.field.virtualHeight) << k;
        const TBox box = BoxFromOrigin(p.x, p.y, p.width, p.height);
        for (const TBox& other : boxes)
            EXPECT_FALSE(BoxIntersect(box, other)) << k;
        boxes.push_back(box);
    }
}

// A room too low for the rows: they close up so that every piece still lies inside it.
TEST_P(EdgePiecesTest, RowsCloseUpInARoomTooSmallForThem)
{
    windows.field.virtualWidth = 150;
    windows.field.virtualHeight = 120;
    ASSERT_TRUE(EdgePiecesToPocket(state, windows, MW_POCKET3, random));
    for (int k : OuterRing()) {
        const PieceRecord& p = state.pieces[size_t(k)];
        EXPECT_EQ(p.window, MW_POCKET3) << k;
        EXPECT_LE(p.y + p.height, 120) << k;
        EXPECT_GE(p.y, 0) << k;
    }
}

TEST_P(EdgePiecesTest, SelectingTakesTheCurrentWindowsLoosePiecesWhereTheyLie)
{
    const int columns = state.descriptor.TilePX;
    Join(0);
    state.pieces[size_t(2 * columns)].window = MW_SIDE1;
    const std::vector<PieceRecord> before = state.pieces;
    ASSERT_TRUE(SelectEdgePieces(state, windows));
    EXPECT_TRUE(state.selectionExists);
    Pieces expected = OuterRing();
    expected.erase(0);
    if (GetParam() == 0)
        expected.erase(1);
    expected.erase(2 * columns);
    for (int k = 0; k < PieceCount(state); ++k) {
        EXPECT_EQ(state.pieces[size_t(k)].selected, expected.contains(k)) << k;
        EXPECT_EQ(std::pair(state.pieces[size_t(k)].x, state.pieces[size_t(k)].y),
                  std::pair(before[size_t(k)].x, before[size_t(k)].y));
    }

    for (PieceRecord& p : state.pieces)
        p.selected = false;
    ShowOrHidePocket(windows, state, MW_POCKET0 + 1, Visibility::Shown);
    EXPECT_FALSE(SelectEdgePieces(state, windows));
    EXPECT_FALSE(state.selectionExists);
}

// The pocket chosen: the current one, else one already holding edge pieces, else the first empty.
TEST_P(EdgePiecesTest, ThePocketIsTheCurrentOneOrOneHoldingEdgesOrTheFirstEmpty)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> pieceWindows;  // (edge piece 0 or the inner piece 1, window)
        int current;
        int expected;
    };
    const std::vector<Case> cases = {
        {"all empty", {}, MW_SIDE0, MW_POCKET0},
        {"first holds an inner piece", {{1, MW_POCKET0}}, MW_SIDE0, MW_POCKET0 + 1},
        {"third holds an edge piece", {{0, MW_POCKET0 + 2}}, MW_SIDE1, MW_POCKET0 + 2},
        {"current pocket", {{1, MW_POCKET3}}, MW_POCKET3, MW_POCKET3},
    };
    const std::vector<PieceRecord> fresh = state.pieces;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.pieces = fresh;
        for (auto [which, window] : c.pieceWindows)
            state.pieces[size_t(which == 0 ? 0 : InnerPiece())].window = uint8_t(window);
        if (IsPocket(c.current))
            ShowOrHidePocket(windows, state, c.current, Visibility::Shown);
        else
            MakeCurrent(windows, state, c.current);
        EXPECT_EQ(EdgePocket(state, windows), c.expected);
    }

    state.pieces = fresh;
    MakeCurrent(windows, state, MW_SIDE0);
    const int columns = state.descriptor.TilePX;
    const int inner[] = {columns + 1, columns + 2, 2 * columns + 1, 2 * columns + 2};
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n)
        state.pieces[size_t(inner[n - MW_POCKET0])].window = uint8_t(n);
    EXPECT_EQ(EdgePocket(state, windows), kNoWindow) << "every pocket holds other pieces";
}

}  // namespace
}  // namespace kirvo
