#include "cutting/PictureJoins.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/SquareCells.h"

namespace kirvo {
namespace {

using testing::ExpectSameAsTwin;

// Piece 0 has two reached sides that cross at (20, 20): toward piece 1 and toward piece 2, both
// ending on the disc of picture piece 3 below. Joining cuts both at the crossing and gives pieces
// 1 and 2 a side between them from there to the disc. It fails, and returns, when the two sides
// name no common picture piece, when no silhouette lies toward it, or when a neighbour has no
// free side slot.
TEST(PictureSides, CrossingSidesAreJoinedAtTheCrossingOrTheJoinFails)
{
    struct Case {
        const char* name;
        int16_t secondMarker;
        bool disc;
        bool fullNeighbour;
        bool joined;
    } cases[] = {
        {"joined", 3, true, false, true},
        {"no common picture piece", -1, true, false, false},
        {"no silhouette toward it", 3, false, false, false},
        {"no free slot", 3, true, true, false},
    };
    for (const Case& c : cases) {
        std::vector<PieceRecord> pieces(4);
        const PixelPoint centres[] = {{20, 5}, {5, 25}, {35, 25}, {20, 42}};
        for (int i = 0; i < 4; ++i) {
            pieces[i].nodeX = centres[i].x;
            pieces[i].nodeY = centres[i].y;
        }
        pieces[3].pictureShape = true;
        SideTable sides(4);
        std::vector<TBox> boxes(4);
        TPixelBuffer canvas;
        PixCreate24(canvas, 50, 60);
        PixFillRect(canvas, 0, 0, 50, 60, kUnowned);
        PictureCut cut{canvas, BoxFromCorners(0, 0, 49, 54), pieces, sides, boxes};
        if (c.disc)
            for (int y = 36; y <= 48; ++y)
                for (int x = 14; x <= 26; ++x)
                    if ((x - 20) * (x - 20) + (y - 42) * (y - 42) <= 36)
                        PixSetPixel(canvas, x, y, WorkColour(3));

        auto side = [&](int x1, int y1, int x2, int y2, int neighbour, std::array<int16_t, 2> markers) {
            TessellationEdge e;
            e.x1 = x1;
            e.y1 = y1;
            e.x2 = x2;
            e.y2 = y2;
            ExtendToArea(e, x1, y1, x2, y2, cut.area);
            e.neighbour = int16_t(neighbour);
            e.twin = 0;
            e.active = e.adjusted = true;
            e.endMarkers = markers;
            return e;
        };
        sides[0] = {side(10, 10, 30, 30, 1, {-1, 3}), side(30, 10, 10, 30, 2, {3, -1})};
        sides[0][1].endMarkers[0] = c.secondMarker;
        sides[1] = {side(10, 10, 30, 30, 0, {-1, 3})};
        sides[2] = {side(30, 10, 10, 30, 0, {3, -1})};
        sides[2][0].endMarkers[0] = c.secondMarker;
        sides[2][0].twin = 1;
        if (c.fullNeighbour)
            sides[1].resize(kMaxSides, sides[1][0]);

        EXPECT_EQ(JoinCrossingSides(cut), c.joined) << c.name;
        if (!c.joined)
            continue;
        EXPECT_EQ(SideStart(sides[0][0]), (PixelPoint{10, 10}));
        EXPECT_EQ(SideEnd(sides[0][0]), (PixelPoint{20, 20}));
        EXPECT_EQ(SideStart(sides[0][1]), (PixelPoint{30, 10}));
        EXPECT_EQ(SideEnd(sides[0][1]), (PixelPoint{20, 20}));
        EXPECT_EQ(sides[0][0].endMarkers, (std::array<int16_t, 2>{-1, -1}));
        ExpectSameAsTwin(sides, 0, sides[0][0], c.name);
        ASSERT_EQ(sides[1].size(), 2u);
        ASSERT_EQ(sides[2].size(), 2u);
        const TessellationEdge& between = sides[1][1];
        EXPECT_EQ(between.neighbour, 2);
        EXPECT_EQ(sides[2][1].neighbour, 1);
        EXPECT_EQ(between.twin, 1);
        EXPECT_TRUE(between.active && between.adjusted);
        EXPECT_EQ(SideStart(between), (PixelPoint{20, 20}));
        EXPECT_EQ(SideEnd(between), (PixelPoint{20, 35}));
        EXPECT_EQ(between.endMarkers, (std::array<int16_t, 2>{-1, 3}));
        EXPECT_EQ(SideEnd(sides[2][1]), SideEnd(between));
    }
}

}  // namespace
}  // namespace kirvo
