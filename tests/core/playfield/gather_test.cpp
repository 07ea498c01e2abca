#include "playfield/Gather.h"

#include <gtest/gtest.h>

#include <vector>

#include "piece_table.h"

namespace kirvo {
namespace {

// Seven pieces spread over both sides and two shown pockets of a 300 x 200 field.
class GatherTest : public testing::Test {
protected:
    GatherTest()
    {
        SetStartField(windows, 300, 200);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
        SetVirtualField(windows, 400, 300);
        state.descriptor.TileS = 40;
    }

    // groups[k] is piece k's group; pieces go round the windows, the last one far outside.
    void Place(const std::vector<int>& groups)
    {
        PlacePieces(state, {{10, 10, 0, MW_SIDE0}, {60, 10, 0, MW_SIDE1}, {110, 10, 0, MW_POCKET0},
                            {10, 60, 0, MW_POCKET0}, {60, 60, 0, MW_POCKET3}, {110, 60, 0, MW_SIDE1},
                            {5000, 4000, 0, MW_POCKET3}});
        for (size_t k = 0; k < groups.size(); ++k)
            state.pieces[k].group = groups[k];
        SortDrawOrder(state, SortOrder::Ascending);
        ShowOrHidePocket(windows, state, MW_POCKET0, Visibility::Shown);
        ShowOrHidePocket(windows, state, MW_POCKET3, Visibility::Shown);
        Recount(windows, state, MW_POCKET0);
        ShowSide(windows, state, MW_SIDE1, Carrying::Nothing);
    }

    std::vector<int> Groups() const
    {
        std::vector<int> groups;
        for (int k = 0; k < PieceCount(state); ++k)
            groups.push_back(state.pieces[size_t(k)].group);
        return groups;
    }

    GameState state;
    PlayWindows windows;
};

TEST_F(GatherTest, EveryPieceComesToTheFirstSideAndThePocketsAreReset)
{
    Place({0, 1, 2, 3, 4, 5, 6});
    GatherPieces(state, windows);
    for (int k = 0; k < PieceCount(state); ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        EXPECT_EQ(p.window, MW_SIDE0) << k;
        EXPECT_TRUE(p.x < 400 && p.y < 300) << k;  // pulled into the side's view
    }
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        EXPECT_FALSE(windows.windows[size_t(n)].visible) << n;
        EXPECT_EQ(windows.windows[size_t(n)].groupCount, 0) << n;
        EXPECT_EQ(windows.windows[size_t(n)].extentWidth, 0) << n;
    }
    EXPECT_EQ(windows.shownSide, MW_SIDE0);
    EXPECT_TRUE(windows.windows[MW_SIDE0].visible);
    EXPECT_FALSE(windows.windows[MW_SIDE1].visible);
    EXPECT_EQ(state.currentWindow, MW_SIDE0);
    EXPECT_TRUE(state.changed);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
}

// The largest group goes under the rest when it holds at least 7 div 2 = 3 pieces and no weight is
// placed; the first of two equal groups is taken.
TEST_F(GatherTest, TheLargestGroupGoesToTheBottomWhenItHoldsHalfThePieces)
{
    struct Case {
        const char* what;
        std::vector<int> groups;
        int weightedPiece;
        std::vector<int> gathered;
    } cases[] = {
        {"three of seven", {0, 5, 1, 5, 2, 5, 3}, -1, {1, 0, 2, 0, 3, 0, 4}},
        {"two equal groups", {6, 6, 6, 4, 4, 4, 1}, -1, {6, 6, 6, 0, 0, 0, 2}},
        {"two of seven", {0, 5, 1, 5, 2, 3, 4}, -1, {0, 5, 1, 5, 2, 3, 4}},
        {"weight placed", {0, 5, 1, 5, 2, 5, 3}, 0, {0, 5, 1, 5, 2, 5, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state.weightedPiece = c.weightedPiece;
        Place(c.groups);
        GatherPieces(state, windows);
        EXPECT_EQ(Groups(), c.gathered);
    }
}

}  // namespace
}  // namespace kirvo
