#include "playfield/GroupsIntoView.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace kirvo {
namespace {

// Pieces of 100 x 100 placed by hand on a side over an 800 x 600 virtual field; pockets are
// limited by the 500 x 400 visible field.
class GroupsIntoViewTest : public testing::Test {
protected:
    GroupsIntoViewTest()
    {
        windows.field = {500, 400, 500, 400, 800, 600};
        state.descriptor.TileS = 50;
    }

    void Pieces(std::initializer_list<std::tuple<int, int, int>> placed)  // x, y, group
    {
        state.descriptor.TotalTileNum = int(placed.size());
        AllocatePieceTable(state, int(placed.size()));
        int k = 0;
        for (auto [x, y, group] : placed) {
            PieceRecord& p = state.pieces[size_t(k++)];
            p.x = x;
            p.y = y;
            p.group = group;
            p.width = p.height = 100;
        }
    }

    std::pair<int, int> At(int piece) const { return {state.pieces[size_t(piece)].x, state.pieces[size_t(piece)].y}; }

    GameState state;
    PlayWindows windows;
};

// Without pulling, a group moves only when no piece can be grabbed (75 of its 100 pixels must be
// reachable), and then only as far as its nearest piece needs.
TEST_F(GroupsIntoViewTest, AfterADropOnlyGroupsOutOfReachMove)
{
    Pieces({{-80, 10, 0},                 // 20 pixels in: needs 55 more
            {-90, 300, 1}, {-20, 300, 1},  // the second piece is grabbable: the group stays
            {-150, 500, 2}, {-95, 500, 2}, // both out: the nearer piece (95 - 20 = 75 more) decides
            {790, 560, 3}});               // out at the right and bottom
    EXPECT_TRUE(BringGroupsIntoView(state, windows, MW_SIDE0, Pulling::Off));
    EXPECT_EQ(At(0), std::pair(-25, 10));
    EXPECT_EQ(At(1), std::pair(-90, 300));
    EXPECT_EQ(At(2), std::pair(-20, 300));
    EXPECT_EQ(At(3), std::pair(-80, 500));
    EXPECT_EQ(At(4), std::pair(-25, 500));
    EXPECT_EQ(At(5), std::pair(725, 525));
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
}

// Pulling brings each group in until three quarters of some piece's extent lie inside, even when
// another piece of it is in view already.
TEST_F(GroupsIntoViewTest, PullingBringsPartlyHiddenGroupsIn)
{
    Pieces({{-90, 300, 0}, {-20, 300, 0}, {100, 100, 1}});
    EXPECT_TRUE(BringGroupsIntoView(state, windows, MW_SIDE0, Pulling::On));
    EXPECT_EQ(At(0), std::pair(-25, 300)) << "the shorter shift of the two is kept";
    EXPECT_EQ(At(1), std::pair(45, 300));
    EXPECT_EQ(At(2), std::pair(100, 100));
}

// A pocket is limited by the visible field, a side by the virtual field.
TEST_F(GroupsIntoViewTest, PocketsAreLimitedByTheVisibleField)
{
    Pieces({{700, 10, 0}, {700, 10, 1}});
    state.pieces[0].window = MW_POCKET0;
    EXPECT_TRUE(BringGroupsIntoView(state, windows, MW_POCKET0, Pulling::On));
    EXPECT_EQ(At(0), std::pair(425, 10));
    EXPECT_EQ(At(1), std::pair(700, 10)) << "the side's piece is not the pocket's business";
    EXPECT_FALSE(BringGroupsIntoView(state, windows, MW_SIDE0, Pulling::On));
}

// A position beyond all reason (a damaged saved game) is taken back to 0 before the usual rule.
TEST_F(GroupsIntoViewTest, WildPositionsAreRepaired)
{
    Pieces({{250000, -300000, 0}, {250100, -300000, 0}});
    EXPECT_TRUE(BringGroupsIntoView(state, windows, MW_SIDE0, Pulling::On));
    EXPECT_EQ(At(0), std::pair(0, 0));
    EXPECT_EQ(At(1), std::pair(100, 0));
}

// The frame may stick out 40 pixels when pulled and must show 40 pixels otherwise.
TEST_F(GroupsIntoViewTest, TheFrameKeepsFortyPixels)
{
    struct Case {
        int x;
        Pulling pulling;
        int movedX;
    };
    for (Case c : {Case {-100, Pulling::On, -40}, Case {-30, Pulling::On, -30}, Case {-400, Pulling::Off, -360},
                   Case {770, Pulling::Off, 760}, Case {-300, Pulling::Off, -300}}) {
        Pieces({{200, 200, 0}, {c.x, 100, 1}});
        state.descriptor.BorderStyle = 1;
        state.pieces[1].width = 400;
        state.pieces[1].height = 300;
        BringGroupsIntoView(state, windows, MW_SIDE0, c.pulling);
        EXPECT_EQ(state.pieces[1].x, c.movedX) << "from " << c.x;
    }
}

// Every call ends a change to the game, whether anything moved or not.
TEST_F(GroupsIntoViewTest, MarksTheGameChangedEvenWhenNothingMoves)
{
    Pieces({{100, 100, 0}});
    EXPECT_FALSE(BringGroupsIntoView(state, windows, MW_SIDE0, Pulling::Off));
    EXPECT_TRUE(state.changed);
    EXPECT_EQ(state.redrawMode, RedrawMode::Nothing);
}

}  // namespace
}  // namespace kirvo
