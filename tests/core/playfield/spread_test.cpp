#include "playfield/Spread.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>

namespace kirvo {
namespace {

using Places = std::set<std::pair<int, int>>;

struct Table {
    GameState state;
    PlayWindows windows;

    Table(int pieces, int visibleWidth, int visibleHeight, int virtualWidth, int virtualHeight)
    {
        state.descriptor.TotalTileNum = pieces;
        state.descriptor.knobMargin = 10;
        state.descriptor.TileS = 40;
        AllocatePieceTable(state, pieces);
        for (int k = 0; k < pieces; ++k)
            state.pieces[size_t(k)].group = k;
        windows.field = {visibleWidth, visibleHeight, visibleWidth, visibleHeight, virtualWidth, virtualHeight};
    }

    Places PlacesOf(int from, int to) const
    {
        Places places;
        for (int k = from; k < to; ++k)
            places.insert({state.pieces[size_t(k)].x, state.pieces[size_t(k)].y});
        return places;
    }
};

Places GridPlaces(std::initializer_list<int> xs, std::initializer_list<int> ys, int count)
{
    Places places;
    for (int y : ys)
        for (int x : xs)
            if (int(places.size()) < count)
                places.insert({x, y});
    return places;
}

// Columns follow the field's proportions; a short last row widens the grid when that keeps the
// cells squarer. The shuffle decides which piece goes where, never the set of places.
TEST(SpreadTest, GridPlacesFollowTheFieldsProportions)
{
    struct Case {
        int pieces;
        Places places;
    };
    const Case cases[] = {
        {6, GridPlaces({10, 103, 196}, {10, 100}, 6)},          // 6 * 300 / 200 = 9: 3 x 2
        {7, GridPlaces({10, 80, 150, 220}, {10, 100}, 7)},      // 10: 3 x 2 is too few, 4 x 2 beats 3 x 3
    };
    for (const Case& c : cases) {
        Table table(c.pieces, 300, 200, 300, 200);
        Random random(5);
        SpreadPieces(table.state, table.windows, MW_SIDE0, SpreadLayout::Grid, random);
        EXPECT_EQ(table.PlacesOf(0, c.pieces), c.places) << c.pieces << " pieces";
    }
}

// A single piece on a field taller than wide, or few pieces on a very wide one, would have given
// a grid of no columns or no rows.
TEST(SpreadTest, GridCopesWithFieldsOfExtremeProportions)
{
    for (auto [pieces, width, height] : {std::tuple {1, 100, 400}, std::tuple {3, 2000, 100}}) {
        Table table(pieces, width, height, width, height);
        Random random(5);
        SpreadPieces(table.state, table.windows, MW_SIDE0, SpreadLayout::Grid, random);
        EXPECT_EQ(int(table.PlacesOf(0, pieces).size()), pieces);
    }
}

// Random places are drawn x before y for each loose piece in table order; joined pieces, pieces of
// other windows and the frame keep their places and draw nothing.
TEST(SpreadTest, RandomPlacesSkipJoinedPiecesOtherWindowsAndTheFrame)
{
    Table table(6, 300, 200, 400, 300);
    table.state.descriptor.BorderStyle = 1;  // piece 5 is the frame
    table.state.pieces[1].group = 2;         // 1 and 2 are joined
    table.state.pieces[3].window = MW_POCKET0;
    for (int k = 0; k < 6; ++k)
        table.state.pieces[size_t(k)].x = table.state.pieces[size_t(k)].y = -1;

    Random random(77);
    SpreadPieces(table.state, table.windows, MW_SIDE0, SpreadLayout::Random, random);

    Random replay(77);
    const int rangeX = 400 - 4 * 10 - 40, rangeY = 300 - 4 * 10 - 40;
    for (int k : {0, 4}) {
        const int x = replay(rangeX) + 10;
        const int y = replay(rangeY) + 10;
        EXPECT_EQ(table.state.pieces[size_t(k)].x, x) << "piece " << k;
        EXPECT_EQ(table.state.pieces[size_t(k)].y, y) << "piece " << k;
    }
    for (int k : {1, 2, 3, 5})
        EXPECT_EQ(table.state.pieces[size_t(k)].x, -1) << "piece " << k;
    EXPECT_EQ(random.state, replay.state);
}

}  // namespace
}  // namespace kirvo
