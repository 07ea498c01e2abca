#include "cutting/PictureSides.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/SquareCells.h"

namespace kirvo {
namespace {

using testing::ExpectSameAsTwin;
using testing::SquareCells;

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

}  // namespace
}  // namespace kirvo
