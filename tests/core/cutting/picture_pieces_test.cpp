#include "cutting/PicturePieces.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "cutting/PictureShape.h"
#include "support/SquareCells.h"
#include "support/TestShapes.h"

namespace kirvo {
namespace {

using testing::SquareCells;
using Cell = std::pair<int, int>;  // row, column

std::set<Cell> Flagged(const SquareCells& cells)
{
    std::set<Cell> flagged;
    for (int i = 0; i < int(cells.pieces.size()); ++i)
        if (cells.pieces[i].pictureShape)
            flagged.insert({i / cells.descriptor.TilePX, i % cells.descriptor.TilePX});
    return flagged;
}

// Thinning leaves no picture piece beside another or on the edge of the cut area; a flag taken
// away goes to the first fitting cell around, row by row.
TEST(PicturePieces, ThinningMovesFlagsOffTheOutsideAndApartFromEachOther)
{
    struct Case {
        const char* name;
        std::set<Cell> flagged;
        std::set<Cell> onOutside;  // cells given a side on the outside
        std::set<Cell> expected;
    } cases[] = {
        {"a cell on the outside gives its flag to the next cell", {{1, 1}}, {{1, 1}}, {{1, 2}}},
        {"past a cell beside a flag, to the row below", {{1, 1}, {1, 3}}, {{1, 1}}, {{2, 1}, {1, 3}}},
        {"two neighbours: the first moves away in the second pass", {{2, 2}, {2, 3}}, {}, {{1, 1}, {2, 3}}},
        {"the middle of three moves away in the first pass", {{2, 2}, {2, 3}, {2, 4}}, {}, {{1, 1}, {2, 2}, {2, 4}}},
        {"apart and inside: kept", {{1, 1}, {3, 3}, {1, 4}}, {}, {{1, 1}, {3, 3}, {1, 4}}},
        {"nowhere to go: the flag is dropped", {{1, 1}}, {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}, {}},
    };
    for (const Case& c : cases) {
        SquareCells cells(7, 7);
        for (auto [row, column] : c.flagged)
            cells.pieces[cells.Index(row, column)].pictureShape = true;
        for (auto [row, column] : c.onOutside)
            cells.sides[cells.Index(row, column)][0].neighbour = -1;
        ThinPictureCells(cells.descriptor, cells.pieces, cells.sides);
        EXPECT_EQ(Flagged(cells), c.expected) << c.name;
    }
}

TEST(PicturePieces, AShapeLargerThanItsBoxShrinksToFitAndEveryShapeGrowsByAFifth)
{
    struct Case {
        int designWidth, designHeight, boxWidth, boxHeight;
        ShapeFit fit;
    } cases[] = {
        {100, 100, 50, 80, {60, 60, 0.6}},     // too wide: the box's width decides
        {100, 50, 60, 60, {72, 36, 0.72}},     // wide shape in a square box
        {30, 60, 100, 40, {24, 48, 0.8}},      // too tall: the box's height decides, scale from the height
        {40, 30, 60, 60, {48, 36, 1.2}},       // smaller than the box: only enlarged
        {40, 30, 40, 30, {48, 36, 1.2}},       // just fits
    };
    for (const Case& c : cases) {
        const ShapeFit fit = FitShape(c.designWidth, c.designHeight, c.boxWidth, c.boxHeight);
        EXPECT_EQ(fit.width, c.fit.width) << c.designWidth << "x" << c.designHeight << " in " << c.boxWidth;
        EXPECT_EQ(fit.height, c.fit.height) << c.designWidth << "x" << c.designHeight << " in " << c.boxWidth;
        EXPECT_DOUBLE_EQ(fit.scale, c.fit.scale) << c.designWidth << "x" << c.designHeight << " in " << c.boxWidth;
    }
}

// One flagged cell, a library of one wide ellipse: the shape, angle and mirrors are drawn in that
// order, and the drawing rectangle, centred on the node point, is as wide as the ellipse turned by
// -30 to 29 degrees: never less than unturned, never more than turned by 30.
TEST(PicturePieces, AShapeIsTurnedByUpTo30DegreesAndCentredOnTheNodePoint)
{
    ShapeLibrary library;
    library.shapes.push_back(testing::EllipseShape(120, 70));
    std::set<int> widths;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SquareCells cells(7, 7);
        const int i = cells.Index(3, 3);
        cells.pieces[i].pictureShape = true;
        cells.boxes[i] = BoxFromOrigin(55, 55, 31, 31);  // fits 37 x 22, scale 37 / 120
        Random random(seed);
        PlacePictureShapes(cells.cut, cells.descriptor, library, random);

        Random replay(seed);
        replay(1);
        const int angle = replay(60) - 30;
        replay(2);
        replay(2);
        EXPECT_EQ(random.state, replay.state) << seed;
        EXPECT_GE(angle, -30);
        EXPECT_LE(angle, 29);
        ASSERT_TRUE(cells.pieces[i].pictureShape) << seed;
        const TBox& box = cells.boxes[i];
        EXPECT_EQ(box.left, 70 - box.width / 2) << seed;
        EXPECT_EQ(box.top, 70 - box.height / 2) << seed;
        EXPECT_GE(box.width, 37) << seed;
        EXPECT_LE(box.width, 43) << seed;  // (120 cos 30 + 70 sin 30) * 37 / 120
        EXPECT_EQ(PixGetPixel(cells.canvas, 70, 70), WorkColour(i)) << seed;
        widths.insert(box.width);
    }
    EXPECT_GE(widths.size(), 4u);
}

// A silhouette that would cover the node point of an ordinary cell nearby, or cross a side of a
// neighbour that does not meet the side between them, is drawn again in white, and its cell
// becomes ordinary.
TEST(PicturePieces, AShapeRunningIntoOtherCellsIsErasedAndItsCellIsOrdinary)
{
    ShapeLibrary library;
    library.shapes.push_back(testing::EllipseShape(100, 100));
    struct Case {
        const char* name;
        void (*arrange)(SquareCells&);
        bool kept;
    } cases[] = {
        {"clear of the others", [](SquareCells&) {}, true},
        {"over the node point of the cell to the right",
         [](SquareCells& cells) { cells.pieces[cells.Index(3, 4)].nodeX = 86; }, false},
        {"over the node point of a cell two rows down",
         [](SquareCells& cells) { cells.pieces[cells.Index(5, 3)].nodeY = 87; }, false},
        {"across the far side of the cell above",
         [](SquareCells& cells) {
             TessellationEdge& top = cells.sides[cells.Index(2, 3)][0];
             top.y1 = top.y2 = 54;
             cells.pieces[cells.Index(2, 3)].nodeY = 47;
         },
         false},
    };
    for (const Case& c : cases) {
        SquareCells cells(7, 7);
        const int i = cells.Index(3, 3);
        cells.pieces[i].pictureShape = true;
        cells.boxes[i] = BoxFromOrigin(55, 55, 31, 31);  // a disc of 37: 18 pixels round the node point
        c.arrange(cells);
        Random random(3);
        PlacePictureShapes(cells.cut, cells.descriptor, library, random);
        EXPECT_EQ(cells.pieces[i].pictureShape, c.kept) << c.name;
        int coloured = 0;
        for (int y = 0; y < cells.canvas.height; ++y)
            for (int x = 0; x < cells.canvas.width; ++x)
                coloured += PixGetPixel(cells.canvas, x, y) != kUnowned;
        if (c.kept)
            EXPECT_GT(coloured, 900) << c.name;
        else
            EXPECT_EQ(coloured, 0) << c.name;
    }
}

}  // namespace
}  // namespace kirvo
