#include "playfield/Arrange.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "piece_table.h"

namespace kirvo {
namespace {

using Places = std::set<std::pair<int, int>>;

// A side over an 800 x 600 virtual field; pockets take their room from the 300 x 200 start field.
// A cell is the 40-pixel mask square and a 10-pixel knob margin.
class ArrangeTest : public testing::Test {
protected:
    ArrangeTest()
    {
        windows.field = {300, 200, 300, 200, 800, 600};
        state.descriptor.MaskS = 40;
        state.descriptor.knobMargin = 10;
    }

    std::pair<int, int> At(int piece) const { return {state.pieces[size_t(piece)].x, state.pieces[size_t(piece)].y}; }

    Places PlacesOf(int from, int to) const
    {
        Places places;
        for (int k = from; k < to; ++k)
            places.insert(At(k));
        return places;
    }

    GameState state;
    PlayWindows windows;
    Random random {11};
};

TEST_F(ArrangeTest, OnlyJoinedPiecesSelectedChangesNothing)
{
    PlacePieces(state, {{100, 100, 0, 0, true}, {140, 100, 0, 0, true}, {300, 50, 1, 0, true}, {340, 50, 1, 0, true},
                        {500, 500, 2, 0}});
    const std::vector<PieceRecord> before = state.pieces;
    const uint32_t seed = random.state;
    EXPECT_FALSE(ArrangeSelection(state, windows, random));
    EXPECT_EQ(state.pieces, before);
    EXPECT_FALSE(state.changed);
    EXPECT_EQ(state.redrawMode, RedrawMode::Nothing);
    EXPECT_EQ(random.state, seed);
}

// Five singles on a side: 3 columns (sqrt(800 * 5 / 600) = 2.58) and 2 rows (1.94) of 50-pixel
// cells from the top-left corner of the whole selection, which the selected joined pair sets.
// The joined pair, the unselected single and the selected frame piece keep their places.
TEST_F(ArrangeTest, SinglesGoOnAGridFromTheSelectionsCornerAndJoinedPiecesStay)
{
    state.descriptor.BorderStyle = 1;
    PlacePieces(state, {{400, 300, 0, 0, true}, {200, 250, 1, 0, true}, {600, 90, 2, 0, true}, {20, 500, 3, 0, true},
                        {700, 400, 4, 0, true}, {15, 70, 5, 0, true}, {55, 70, 5, 0, true}, {10, 10, 6, 0},
                        {100, 200, 7, 0, true}});
    EXPECT_TRUE(ArrangeSelection(state, windows, random));
    EXPECT_EQ(PlacesOf(0, 5), (Places {{15, 70}, {65, 70}, {115, 70}, {15, 120}, {65, 120}}));
    EXPECT_EQ(At(5), std::pair(15, 70));
    EXPECT_EQ(At(6), std::pair(55, 70));
    EXPECT_EQ(At(7), std::pair(10, 10));
    EXPECT_EQ(At(8), std::pair(100, 200));
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(state.pieces[size_t(k)].selected, k != 7) << k;
    EXPECT_TRUE(state.changed);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
}

// In a pocket the 300 x 200 start field is the room: 7 singles round to 3 x 2 (3.24, 2.16), too
// few, widened to 4 x 2 since columns are not fewer than rows. Cells of 110 pixels would not fit,
// so they shrink to 300 / 4 = 75 wide and 200 / 2 = 100 high.
TEST_F(ArrangeTest, CellsShrinkWhenTheGridDoesNotFitThePocketsRoom)
{
    state.currentWindow = MW_POCKET0;
    state.descriptor.MaskS = 100;
    PlacePieces(state, {{30, 40, 0, MW_POCKET0, true}, {90, 70, 1, MW_POCKET0, true}, {50, 90, 2, MW_POCKET0, true},
                        {70, 80, 3, MW_POCKET0, true}, {60, 60, 4, MW_POCKET0, true}, {80, 50, 5, MW_POCKET0, true},
                        {40, 55, 6, MW_POCKET0, true}});
    EXPECT_TRUE(ArrangeSelection(state, windows, random));
    EXPECT_EQ(PlacesOf(0, 7), (Places {{30, 40}, {105, 40}, {180, 40}, {255, 40}, {30, 140}, {105, 140}, {180, 140}}));
}

}  // namespace
}  // namespace kirvo
