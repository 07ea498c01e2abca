#include "playfield/FindFit.h"

#include <gtest/gtest.h>

#include "playfield/Joining.h"

namespace kirvo {
namespace {

// A 90 x 90 picture cut into nine 30 x 30 cells, 0 1 2 over 3 4 5 over 6 7 8, each piece apart in
// a group of its own.
class FindFitTest : public testing::Test {
protected:
    void SetUp() override
    {
        state.descriptor.ImageW = state.descriptor.ImageH = 90;
        state.descriptor.JigsR = state.descriptor.JigsB = 89;
        state.descriptor.TotalTileNum = 9;
        AllocatePieceTable(state, 9);
        for (int r = 0; r < 4; ++r)
            PixCreate24(state.buffers[kMaskBuffer + r], 95, 95);
        for (int k = 0; k < 9; ++k) {
            PieceRecord& p = state.pieces[size_t(k)];
            const int column = k % 3, row = k / 3;
            p.sourceX = 30 * column;
            p.sourceY = 30 * row;
            p.sourceWidth = p.sourceHeight = 30;
            p.neighbours = {int16_t(column > 0 ? k - 1 : -1), int16_t(row > 0 ? k - 3 : -1),
                            int16_t(column < 2 ? k + 1 : -1), int16_t(row < 2 ? k + 3 : -1),
                            -1, -1, -1, -1, -1};
            p.group = k;
            p.x = 200 + 50 * k;
            p.y = 300;
            DeriveGeometry(state, k);
        }
    }

    void JoinGroup(std::initializer_list<int> pieces, int32_t group)
    {
        for (int k : pieces)
            state.pieces[size_t(k)].group = group;
    }

    // Each piece found joins a picked piece in the neighbour table and is not picked itself.
    void ExpectJoinsPicked(const Fit& fit, const std::vector<char>& picked)
    {
        ASSERT_GE(fit.piece, 0);
        EXPECT_FALSE(picked[size_t(fit.piece)]);
        EXPECT_TRUE(picked[size_t(fit.partner)]);
        const auto& listed = state.pieces[size_t(fit.partner)].neighbours;
        EXPECT_NE(std::find(listed.begin(), listed.end(), fit.piece), listed.end());
    }

    GameState state;
    std::array<bool, kPieceWindowCount> allShown {true, true, true, true, true, true};
};

TEST_F(FindFitTest, FindsEachLoosePieceBesideThePickedGroupInTurn)
{
    JoinGroup({0, 1, 3, 4}, 0);
    const std::vector<char> picked = PickedPieces(state, 4);
    EXPECT_EQ(picked, (std::vector<char> {1, 1, 0, 1, 1, 0, 0, 0, 0}));
    struct Case {
        int after;
        int found;
    };
    for (Case c : {Case {-1, 2}, Case {2, 5}, Case {5, 6}, Case {6, 7}, Case {7, 2}}) {
        const Fit fit = FindFit(state, picked, allShown, c.after);
        EXPECT_EQ(fit.piece, c.found) << "after " << c.after;
        ExpectJoinsPicked(fit, picked);
    }
    std::array<bool, kPieceWindowCount> sideOnly {true, false, false, false, false, false};
    state.pieces[5].window = 2;
    state.pieces[6].window = 1;
    EXPECT_EQ(FindFit(state, picked, sideOnly, 2).piece, 7) << "pieces in shown windows first";
    JoinGroup({2, 6, 7, 8}, 0);
    EXPECT_EQ(FindFit(state, PickedPieces(state, 0), sideOnly, -1).piece, 5) << "a hidden one when no other is left";
}

TEST_F(FindFitTest, ASelectionIsPickedAndNothingFitsACompletedPicture)
{
    state.pieces[4].selected = state.pieces[8].selected = true;
    state.selectionExists = true;
    const std::vector<char> picked = PickedPieces(state, 0);
    EXPECT_EQ(picked, (std::vector<char> {0, 0, 0, 0, 1, 0, 0, 0, 1}));
    ExpectJoinsPicked(FindFit(state, picked, allShown, -1), picked);

    JoinGroup({0, 1, 2, 3, 4, 5, 6, 7, 8}, 3);
    EXPECT_EQ(FindFit(state, picked, allShown, -1).piece, -1);
    EXPECT_EQ(FindFit(state, {}, allShown, -1).piece, -1);
}

// With nothing picked any two pieces of different groups that join are found, also when only one
// of them lists the other.
TEST_F(FindFitTest, WithNothingPickedFindsAPairOfDifferentGroups)
{
    EXPECT_TRUE(PickedPieces(state, -1).empty());
    JoinGroup({0, 1, 2, 3, 4, 5, 6, 7}, 0);
    state.pieces[5].neighbours[3] = -1;  // 5 no longer lists 8; 8 still lists 5
    const Fit fit = FindFit(state, {}, allShown, -1);
    EXPECT_EQ(fit.piece, 5);
    EXPECT_EQ(fit.partner, 8);
    EXPECT_EQ(FindFit(state, {}, allShown, 5).piece, 7);
}

// A piece put at the place found for it joins its partner, whichever way the partner is turned.
TEST_F(FindFitTest, APiecePutAtItsPlaceJoins)
{
    for (int rotation = 0; rotation < 4; ++rotation) {
        SetUp();
        for (int k : {4, 5}) {
            state.pieces[size_t(k)].rotation = uint8_t(rotation);
            DeriveGeometry(state, k);
        }
        const PieceBox place = PlaceOfFit(state, {5, 4});
        EXPECT_EQ(place.width, 30);
        state.pieces[5].x = place.x;
        state.pieces[5].y = place.y;
        EXPECT_EQ(JoinDroppedGroup(state, 5, 0, 1).joins, 1) << "rotation " << rotation;
        EXPECT_EQ(state.pieces[5].group, state.pieces[4].group);
    }
}

}  // namespace
}  // namespace kirvo
