#include "cutting/SeedPoints.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "cutting/CellLayout.h"
#include "cutting/PieceSizeTable.h"

namespace kirvo {
namespace {

struct Layout {
    Descriptor descriptor;
    std::vector<PieceRecord> cells;
};

Layout LaidOut(int width, int height, int tileS, int borderStyle)
{
    Layout layout;
    Descriptor& d = layout.descriptor;
    d.ImageW = width;
    d.ImageH = height;
    d.BorderStyle = uint8_t(borderStyle);
    const PieceGeometry g = ComputePieceGeometry(width, height, borderStyle, 0, tileS);
    d.TileS = tileS;
    d.TilePX = g.TilePX;
    d.TilePY = g.TilePY;
    d.TileNum = d.TotalTileNum = g.TileNum;
    layout.cells.resize(size_t(d.TileNum) + 1);
    LayOutCells(d, layout.cells);
    return layout;
}

// Every point lies strictly inside the cut area and in its own cell, and keeps more than 2 pixels
// (in x or in y) from the points compared with it: around its column two rows up and one row up,
// then the two cells before it, the list ending at the first offset that is not negative. Small
// cells make the redraws frequent; one and two columns end the list early.
TEST(SeedPoints, EveryCellGetsAPointClearOfThePointsItIsComparedWith)
{
    struct Case {
        int width;
        int height;
        int tileS;
        int borderStyle;
    } cases[] = {{200, 150, 20, 0}, {203, 157, 5, 0}, {131, 97, 4, 1},
                 {4, 400, 4, 0},     {9, 300, 4, 0},   {800, 600, 23, 1}};
    for (const Case& c : cases) {
        const Layout layout = LaidOut(c.width, c.height, c.tileS, c.borderStyle);
        const Descriptor& d = layout.descriptor;
        const std::string name =
            std::to_string(c.width) + "x" + std::to_string(c.height) + " cells of " + std::to_string(c.tileS);
        Random random(77);
        const std::vector<TessellationNode> nodes = PlaceSeedPoints(d, layout.cells, random);
        ASSERT_EQ(int(nodes.size()), d.TileNum) << name;
        const int columns = d.TilePX;
        const std::vector<int> offsets = {-2 * columns - 2, -2 * columns - 1, -2 * columns, -2 * columns + 1,
                                          -2 * columns + 2, -columns - 2,     -columns - 1,  -columns,
                                          -columns + 1,     -columns + 2,     -2,            -1};
        for (int i = 0; i < d.TileNum; ++i) {
            const TessellationNode& node = nodes[i];
            const PieceRecord& cell = layout.cells[i];
            EXPECT_EQ(node.cell, i) << name;
            EXPECT_TRUE(node.x > d.JigsL && node.x < d.JigsR && node.y > d.JigsT && node.y < d.JigsB)
                << name << " point " << i;
            EXPECT_TRUE(node.x >= cell.cellX && node.x < cell.cellX + cell.cellWidth && node.y >= cell.cellY &&
                        node.y < cell.cellY + cell.cellHeight)
                << name << " point " << i;
            for (int offset : offsets) {
                if (offset >= 0)
                    break;
                if (i + offset < 0)
                    continue;
                const TessellationNode& other = nodes[i + offset];
                EXPECT_FALSE(std::abs(other.x - node.x) <= 2 && std::abs(other.y - node.y) <= 2)
                    << name << " point " << i << " near " << i + offset;
            }
        }
        Random again(77);
        const std::vector<TessellationNode> repeated = PlaceSeedPoints(d, layout.cells, again);
        for (int i = 0; i < d.TileNum; ++i)
            EXPECT_TRUE(repeated[i].x == nodes[i].x && repeated[i].y == nodes[i].y) << name << " point " << i;
        EXPECT_EQ(again.state, random.state) << name;
    }
}

}  // namespace
}  // namespace kirvo
