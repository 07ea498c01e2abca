#include "playfield/Joining.h"

#include <gtest/gtest.h>

#include <utility>

#include "game/PieceGeometry.h"
#include "playfield/Completion.h"
#include "playfield/PlayWindow.h"

namespace kirvo {
namespace {

// A 100 x 100 picture cut into four 50 x 50 cells, 0 1 over 2 3, with an optional frame piece.
class JoiningTest : public testing::Test {
protected:
    void Cut(bool frame = false)
    {
        state.descriptor.ImageW = state.descriptor.ImageH = 100;
        state.descriptor.JigsR = state.descriptor.JigsB = 99;
        state.descriptor.BorderStyle = frame ? 1 : 0;
        state.descriptor.TotalTileNum = frame ? 5 : 4;
        AllocatePieceTable(state, state.descriptor.TotalTileNum);
        for (int r = 0; r < 4; ++r)
            PixCreate24(state.buffers[kMaskBuffer + r], 105, 105);
        const int neighbours[4][2] = {{1, 2}, {0, 3}, {0, 3}, {1, 2}};
        for (int k = 0; k < 4; ++k) {
            PieceRecord& p = state.pieces[size_t(k)];
            p.sourceX = 50 * (k % 2);
            p.sourceY = 50 * (k / 2);
            p.sourceWidth = p.sourceHeight = 50;
            p.neighbours[0] = int16_t(neighbours[k][0]);
            p.neighbours[1] = int16_t(neighbours[k][1]);
            if (frame)  // every cell lies on the outer edge
                p.neighbours[2] = 4;
        }
        if (frame) {
            PieceRecord& f = state.pieces[4];
            f.sourceWidth = f.sourceHeight = 100;
        }
        for (int k = 0; k < state.descriptor.TotalTileNum; ++k) {
            state.pieces[size_t(k)].group = k;
            Place(k, 300 + 100 * k, 300);
        }
    }

    void Place(int piece, int x, int y, int rotation = 0)
    {
        PieceRecord& p = state.pieces[size_t(piece)];
        p.x = x;
        p.y = y;
        p.rotation = uint8_t(rotation);
        DeriveGeometry(state, piece);
    }

    std::pair<int, int> At(int piece) const { return {state.pieces[size_t(piece)].x, state.pieces[size_t(piece)].y}; }
    int32_t Group(int piece) const { return state.pieces[size_t(piece)].group; }

    GameState state;
};

TEST(SnapToleranceTest, ScalesTheSnapDistanceByTenthsHalvesToEven)
{
    EXPECT_EQ(SnapTolerance(10, 12), 12);
    EXPECT_EQ(SnapTolerance(5, 11), 6);   // 5.5
    EXPECT_EQ(SnapTolerance(5, 13), 6);   // 6.5
    EXPECT_EQ(SnapTolerance(7, 30), 21);
}

// Off by T in either direction does not join; off by T - 1 does, and the dropped piece lands in place.
TEST_F(JoiningTest, PiecesJoinWithinTheToleranceOnly)
{
    struct Case {
        int dx, dy;
        bool joins;
    };
    for (Case c : {Case {5, 0, false}, Case {0, -5, false}, Case {4, 4, true}, Case {-4, -4, true}, Case {0, 0, true}}) {
        Cut();
        Place(1, 50, 0);
        Place(0, c.dx, c.dy);
        JoinResult result = JoinDroppedGroup(state, 0, MW_SIDE0, 5);
        EXPECT_EQ(result.joins > 0, c.joins) << c.dx << "," << c.dy;
        if (c.joins) {
            EXPECT_EQ(Group(1), Group(0));
            EXPECT_EQ(At(0), std::pair(0, 0)) << "a tie moves the dropped piece";
            EXPECT_EQ(At(1), std::pair(50, 0));
        }
    }
}

// A dropped pair whose pieces each meet another group joins all three groups in one drop.
TEST_F(JoiningTest, OneDropJoinsSeveralGroups)
{
    Cut();
    state.pieces[1].group = 0;
    Place(0, 0, 0);
    Place(1, 50, 0);
    Place(2, 2, 51);
    Place(3, 49, 52);
    JoinResult result = JoinDroppedGroup(state, 0, MW_SIDE0, 5);
    EXPECT_EQ(result.joins, 2);
    for (int k = 1; k < 4; ++k)
        EXPECT_EQ(Group(k), Group(0)) << k;
    EXPECT_EQ(At(0), std::pair(0, 0)) << "the single pieces moved onto the larger dropped group, which stayed";
    EXPECT_EQ(At(2), std::pair(0, 50));
    EXPECT_EQ(At(3), std::pair(50, 50));
}

// Dropped in place beside piece 2, piece 3 first snaps to piece 1 lying a little off; still within
// the tolerance of piece 2, it joins that too, and so do pieces the group has just taken in.
TEST_F(JoiningTest, AJoinIsFollowedByTheJoinsItBringsWithinReach)
{
    Cut();
    Place(2, 0, 50);
    Place(1, 53, 0);
    Place(3, 50, 50);
    JoinResult result = JoinDroppedGroup(state, 3, MW_SIDE0, 5);
    EXPECT_EQ(result.joins, 2);
    EXPECT_EQ(Group(1), Group(3));
    EXPECT_EQ(Group(2), Group(3));
    EXPECT_EQ(At(2).first + 50, At(3).first) << "piece 2 moved into place beside the group";

    Cut();
    state.pieces[1].group = 0;
    Place(0, 0, 0);
    Place(1, 50, 0);
    Place(2, 3, 50);
    Place(3, 52, 50);
    result = JoinDroppedGroup(state, 3, MW_SIDE0, 5);
    EXPECT_EQ(result.joins, 2) << "piece 3 joins the pair through piece 1, then piece 2 through piece 0";
    EXPECT_EQ(Group(2), Group(3));
}

// Turned one quarter clockwise, piece 0 lies above piece 1; a piece in another rotation never joins.
TEST_F(JoiningTest, TurnedPiecesJoinOnlyNeighboursTurnedAlike)
{
    Cut();
    Place(1, 200, 250, 1);
    Place(0, 201, 199, 1);
    EXPECT_EQ(JoinDroppedGroup(state, 0, MW_SIDE0, 5).joins, 1);
    EXPECT_EQ(At(0), std::pair(200, 200));

    Cut();
    Place(1, 200, 250, 0);
    Place(0, 200, 200, 1);
    EXPECT_EQ(JoinDroppedGroup(state, 0, MW_SIDE0, 5).joins, 0);
}

// Edge pieces join the frame only unturned, and the frame's group never moves.
TEST_F(JoiningTest, TheFrameJoinsUnturnedEdgePiecesAndStays)
{
    Cut(true);
    Place(4, 100, 100);
    Place(0, 103, 98);
    EXPECT_EQ(JoinDroppedGroup(state, 0, MW_SIDE0, 5).joins, 1);
    EXPECT_EQ(At(0), std::pair(100, 100));
    EXPECT_EQ(At(4), std::pair(100, 100)) << "the frame stays even when it is the larger group's match";

    Cut(true);
    Place(4, 100, 100);
    Place(1, 152, 101);
    EXPECT_EQ(JoinDroppedGroup(state, 4, MW_SIDE0, 5).joins, 1) << "the dropped frame finds the edge piece";
    EXPECT_EQ(At(1), std::pair(150, 100));
    EXPECT_EQ(At(4), std::pair(100, 100));

    Cut(true);
    Place(4, 100, 100);
    Place(0, 100, 100, 1);
    EXPECT_EQ(JoinDroppedGroup(state, 4, MW_SIDE0, 5).joins, 0);
    EXPECT_FALSE(TurnGroup(state, 4, Turn::Clockwise, 0, 0));
}

// Pieces of another window never join.
TEST_F(JoiningTest, PiecesInOtherWindowsStayApart)
{
    Cut();
    Place(1, 50, 0);
    Place(0, 0, 0);
    state.pieces[1].window = MW_POCKET0;
    EXPECT_EQ(JoinDroppedGroup(state, 0, MW_SIDE0, 5).joins, 0);
}

// A clockwise and then a counter-clockwise turn about the same point bring a group back.
TEST_F(JoiningTest, TurningAboutAPointAndBack)
{
    Cut();
    state.pieces[1].group = 0;
    Place(0, 100, 100);
    Place(1, 150, 100);
    ASSERT_TRUE(TurnGroup(state, 0, Turn::Clockwise, 110, 120));
    EXPECT_EQ(state.pieces[0].rotation, 1);
    EXPECT_EQ(At(0), std::pair(81, 110)) << "x = f + g - py - h + 1, y = g + px - f";
    EXPECT_EQ(At(1), std::pair(81, 160));
    ASSERT_TRUE(TurnGroup(state, 0, Turn::CounterClockwise, 110, 120));
    EXPECT_EQ(At(0), std::pair(100, 100));
    EXPECT_EQ(At(1), std::pair(150, 100));
    EXPECT_EQ(state.pieces[1].rotation, 0);
}

TEST_F(JoiningTest, WeightedGroupGoesToTheBottom)
{
    Cut();
    state.weightedPiece = 2;
    WeightedGroupToBottom(state);
    EXPECT_EQ(Group(2), 0);
    EXPECT_EQ(Group(0), 1);
    EXPECT_EQ(Group(1), 2);
    EXPECT_EQ(Group(3), 3);
}

// Ten pieces: 0 % apart, 20 % after the first join, 90 % with two groups left, 100 % solved.
TEST_F(JoiningTest, ProgressCountsJoins)
{
    Cut();
    state.descriptor.TotalTileNum = 10;
    AllocatePieceTable(state, 10);
    for (int k = 0; k < 10; ++k)
        state.pieces[size_t(k)].group = k;
    EXPECT_EQ(Progress(state, true).percent, 0);
    EXPECT_EQ(Progress(state, true).unsolved, 10);
    state.pieces[1].group = 0;
    EXPECT_EQ(Progress(state, true).percent, 20);
    for (int k = 2; k < 10; ++k)
        state.pieces[size_t(k)].group = k < 6 ? 0 : 6;
    EXPECT_EQ(Progress(state, true).percent, 90);
    EXPECT_EQ(Progress(state, false).percent, -1);
}

// One group is solved only once every piece is unturned; then the picture is centred.
TEST_F(JoiningTest, SolvedWhenOneGroupLiesUnturned)
{
    PlayWindows windows;
    windows.field.visibleWidth = 500;
    windows.field.visibleHeight = 400;
    Cut();
    for (int k = 0; k < 4; ++k) {
        state.pieces[size_t(k)].group = 0;
        Place(k, 30 + 50 * (k % 2), 40 + 50 * (k / 2), 1);
    }
    EXPECT_FALSE(CheckCompletion(state, windows));
    EXPECT_FALSE(state.solved);
    for (int k = 0; k < 4; ++k)
        Place(k, 30 + 50 * (k % 2), 40 + 50 * (k / 2), 0);
    EXPECT_TRUE(CheckCompletion(state, windows));
    EXPECT_EQ(At(0), std::pair(200, 150));
    EXPECT_EQ(At(3), std::pair(250, 200));
    EXPECT_FALSE(CheckCompletion(state, windows)) << "solved once";

    GameState single;
    single.descriptor.TotalTileNum = 1;
    AllocatePieceTable(single, 1);
    single.pieces[0].rotation = 2;
    EXPECT_TRUE(CheckCompletion(single, windows)) << "a puzzle of one piece is solved at once";
}

}  // namespace
}  // namespace kirvo
