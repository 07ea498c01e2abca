#include "cutting/PictureSides.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/SquareCells.h"

namespace kirvo {
namespace {

using testing::SquareCells;

void ExpectSameAsTwin(const SideTable& sides, int piece, const TessellationEdge& side, const std::string& name)
{
    const TessellationEdge& twin = sides[side.neighbour][side.twin];
    EXPECT_EQ(SideStart(twin), SideStart(side)) << name;
    EXPECT_EQ(SideEnd(twin), SideEnd(side)) << name;
    EXPECT_EQ(twin.endMarkers, side.endMarkers) << name;
    EXPECT_EQ(twin.active, side.active) << name;
    EXPECT_EQ(twin.neighbour, piece) << name;
}

std::string SideName(int piece, const TessellationEdge& side)
{
    return "side " + std::to_string(piece) + "-" + std::to_string(side.neighbour);
}

// The picture piece's silhouette, a disc, lies inside its cell or over its corners. The eight sides
// between ordinary cells that meet its corners end next to the silhouette afterwards, with that end
// marked and the twin alike; sides elsewhere keep their ends.
TEST(PictureSides, SidesMeetingAPictureCellReachItsSilhouette)
{
    for (int radius : {5, 9, 16}) {
        SquareCells cells(7, 7);
        const int picture = cells.Index(3, 3);
        cells.pieces[picture].pictureShape = true;
        cells.DrawDisc(picture, 70, 70, radius);
        const SideTable before = cells.sides;
        ReachPictures(cells.cut);
        TrimSides(cells.cut);

        int reached = 0;
        for (int i = 0; i < int(cells.sides.size()); ++i) {
            if (i == picture)
                continue;
            for (size_t s = 0; s < cells.sides[i].size(); ++s) {
                const TessellationEdge& side = cells.sides[i][s];
                const TessellationEdge& old = before[i][s];
                const std::string name = SideName(i, side) + ", radius " + std::to_string(radius);
                auto corner = [](double x, double y) { return std::abs(x - 70) == 10 && std::abs(y - 70) == 10; };
                const bool atCorner = side.neighbour >= 0 && side.neighbour != picture &&
                                      (corner(old.x1, old.y1) || corner(old.x2, old.y2));
                if (!atCorner) {
                    EXPECT_EQ(SideStart(side), SideStart(old)) << name;
                    EXPECT_EQ(SideEnd(side), SideEnd(old)) << name;
                    continue;
                }
                ++reached;
                EXPECT_TRUE(side.active && side.adjusted) << name;
                const int marked = side.endMarkers[0] == picture ? 0 : 1;
                EXPECT_EQ(side.endMarkers[marked], picture) << name;
                EXPECT_EQ(side.endMarkers[1 - marked], -1) << name;
                const PixelPoint hit = marked == 0 ? SideStart(side) : SideEnd(side);
                EXPECT_TRUE(cells.NearColour(hit, WorkColour(picture))) << name;
                EXPECT_TRUE(IsUnowned(cells.canvas, SideStart(side)) && IsUnowned(cells.canvas, SideEnd(side))) << name;
                ExpectSameAsTwin(cells.sides, i, side, name);
            }
        }
        EXPECT_EQ(reached, 16) << "radius " << radius;  // eight sides, each seen from both cells
    }
}

// A silhouette over the ends of sides between ordinary cells, without reaching first: each end
// on it moves along its side to the first white pixel; a side wholly under it goes, with its twin.
TEST(PictureSides, TrimmingPullsSideEndsOffASilhouette)
{
    SquareCells cells(7, 7);
    const int picture = cells.Index(3, 3);
    cells.pieces[picture].pictureShape = true;
    cells.DrawDisc(picture, 70, 70, 33);
    TrimSides(cells.cut);
    const uint32_t colour = WorkColour(picture);
    for (int i = 0; i < int(cells.sides.size()); ++i) {
        if (i == picture)
            continue;
        for (const TessellationEdge& side : cells.sides[i]) {
            if (side.neighbour < 0 || side.neighbour == picture)
                continue;
            const std::string name = SideName(i, side);
            const bool covered = PixGetPixel(cells.canvas, int(side.x1), int(side.y1)) == colour &&
                                 PixGetPixel(cells.canvas, int(side.x2), int(side.y2)) == colour;
            if (!side.active) {
                EXPECT_FALSE(cells.sides[side.neighbour][side.twin].active) << name;
                continue;
            }
            EXPECT_FALSE(covered) << name;
            EXPECT_TRUE(IsUnowned(cells.canvas, SideStart(side)) && IsUnowned(cells.canvas, SideEnd(side))) << name;
            ExpectSameAsTwin(cells.sides, i, side, name);
        }
    }
    // The side between the cells above-left of the picture's cell runs from (60, 40) to (60, 60),
    // both under the disc; the one above it, from (60, 20), now stops at the disc's edge.
    const TessellationEdge& under = cells.sides[cells.Index(2, 2)][2];
    EXPECT_FALSE(under.active);
    const TessellationEdge& above = cells.sides[cells.Index(1, 2)][2];
    ASSERT_TRUE(above.active);
    EXPECT_EQ(SideStart(above), (PixelPoint{60, 20}));
    EXPECT_EQ(PixGetPixel(cells.canvas, 60, int(above.y2) + 1), colour);
}

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
