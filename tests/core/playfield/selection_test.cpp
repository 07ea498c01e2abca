#include "playfield/Selection.h"

#include <gtest/gtest.h>

#include <vector>

#include "piece_table.h"

namespace kirvo {
namespace {

class SelectAllTest : public testing::Test {
protected:
    SelectAllTest()
    {
        SetStartField(windows, 300, 200);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    }

    std::vector<int> Selected() const
    {
        std::vector<int> selected;
        for (int k = 0; k < PieceCount(state); ++k)
            if (state.pieces[size_t(k)].selected)
                selected.push_back(k);
        return selected;
    }

    GameState state;
    PlayWindows windows;
};

// In a pocket only that pocket's pieces are taken, and never the group under the weight.
TEST_F(SelectAllTest, TakesTheCurrentWindowsPiecesOutsideTheWeightedGroup)
{
    PlacePieces(state, {{10, 10, 0, MW_SIDE0}, {20, 20, 1, MW_POCKET0}, {30, 30, 2, MW_POCKET0},
                        {70, 30, 2, MW_POCKET0}, {40, 40, 3, MW_POCKET0}, {50, 50, 4, MW_POCKET0 + 1}});
    state.weightedPiece = 3;
    ShowOrHidePocket(windows, state, MW_POCKET0, Visibility::Shown);
    EXPECT_TRUE(SelectAll(state, windows));
    EXPECT_EQ(Selected(), (std::vector {1, 4}));
    EXPECT_TRUE(state.selectionExists);
    // Selected groups come to the top.
    EXPECT_TRUE(state.pieces[state.drawOrder.back().piece].selected);
}

TEST_F(SelectAllTest, AWindowHoldingOnlyTheWeightedGroupSelectsNothing)
{
    PlacePieces(state, {{10, 10, 0, MW_SIDE0}, {50, 10, 0, MW_SIDE0}, {30, 30, 1, MW_SIDE1}});
    state.weightedPiece = 1;
    EXPECT_FALSE(SelectAll(state, windows));
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(state.selectionExists);
}

}  // namespace
}  // namespace kirvo
