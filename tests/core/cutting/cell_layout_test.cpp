#include "cutting/CellLayout.h"

#include <gtest/gtest.h>

#include "cutting/PieceSizeTable.h"

namespace kirvo {
namespace {

Descriptor Puzzle(int width, int height, int tileS, int borderStyle, int shapeStyle = 0)
{
    Descriptor d;
    d.ImageW = width;
    d.ImageH = height;
    d.BorderStyle = borderStyle;
    d.ShapeStyle = shapeStyle;
    PieceGeometry g = ComputePieceGeometry(width, height, borderStyle, 0, tileS);
    d.TileS = tileS;
    d.MaskS = g.MaskS;
    d.knobMargin = g.knobMargin;
    d.TilePX = g.TilePX;
    d.TilePY = g.TilePY;
    d.TileNum = d.TotalTileNum = g.TileNum;
    return d;
}

TEST(CellLayout, SpareWidthWidensTheFirstColumns)
{
    Descriptor d = Puzzle(4 * 50 + 7, 100, 50, 0);
    ASSERT_EQ(d.TilePX, 4);
    std::vector<PieceRecord> pieces(d.TileNum + 1);
    LayOutCells(d, pieces);
    EXPECT_EQ(pieces[0].cellWidth, 52);
    EXPECT_EQ(pieces[1].cellWidth, 52);
    EXPECT_EQ(pieces[2].cellWidth, 52);
    EXPECT_EQ(pieces[3].cellWidth, 51);
    EXPECT_EQ(pieces[3].cellX + pieces[3].cellWidth, 207);
}

TEST(CellLayout, CellsTileTheCutAreaExactly)
{
    for (auto [w, h, tileS, border] : {std::tuple{800, 600, 37, 0}, {803, 611, 37, 1}, {61, 47, 20, 0}, {333, 100, 23, 1}}) {
        Descriptor d = Puzzle(w, h, tileS, border);
        std::vector<PieceRecord> pieces(d.TileNum + 1);
        LayOutCells(d, pieces);
        int frame = border ? 20 : 0;
        EXPECT_EQ(d.JigsL, frame);
        EXPECT_EQ(d.JigsT, frame);
        EXPECT_EQ(d.JigsR, w - frame - 1);
        EXPECT_EQ(d.JigsB, h - frame - 1);

        std::vector<int> owners(size_t(w) * h, 0);
        for (int i = 0; i < d.TileNum; ++i)
            for (int y = pieces[i].cellY; y < pieces[i].cellY + pieces[i].cellHeight; ++y)
                for (int x = pieces[i].cellX; x < pieces[i].cellX + pieces[i].cellWidth; ++x)
                    ++owners[size_t(y) * w + x];
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                bool inside = x >= d.JigsL && x <= d.JigsR && y >= d.JigsT && y <= d.JigsB;
                ASSERT_EQ(owners[size_t(y) * w + x], inside ? 1 : 0) << w << "x" << h << " at " << x << "," << y;
            }
    }
}

TEST(CellLayout, SourceBoxesReachTowardsNeighboursOnly)
{
    Descriptor d = Puzzle(300, 200, 100, 0);
    std::vector<PieceRecord> pieces(d.TileNum + 1);
    LayOutCells(d, pieces);
    int m = d.knobMargin;
    const PieceRecord& corner = pieces[0];
    EXPECT_EQ(corner.sourceX, 0);
    EXPECT_EQ(corner.sourceWidth, 100 + m);
    EXPECT_EQ(corner.sourceHeight, 100 + m);
    const PieceRecord& middle = pieces[1];
    EXPECT_EQ(middle.sourceX, 100 - m);
    EXPECT_EQ(middle.sourceWidth, 100 + 2 * m);
    const PieceRecord& last = pieces[5];
    EXPECT_EQ(last.sourceX, 200 - m);
    EXPECT_EQ(last.sourceY, 100 - m);
    EXPECT_EQ(last.sourceWidth, 100 + m);
    EXPECT_EQ(last.sourceHeight, 100 + m);
}

TEST(CellLayout, MaskValuesDifferWithinTwoRowsAndColumns)
{
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 6; ++column)
            for (int dr = -2; dr <= 2; ++dr)
                for (int dc = -2; dc <= 2; ++dc) {
                    if ((dr == 0 && dc == 0) || row + dr < 0 || column + dc < 0)
                        continue;
                    EXPECT_NE(CellMaskValue(row, column), CellMaskValue(row + dr, column + dc));
                }
    EXPECT_EQ(CellClassBit(1, 2), 32);
    EXPECT_EQ(CellClassBit(2, 4), 2);
}

TEST(CellLayout, PictureCandidatesAreStaggered)
{
    Descriptor d = Puzzle(1000, 800, 100, 0, 3);
    ASSERT_EQ(d.TilePX, 10);
    ASSERT_EQ(d.TilePY, 8);
    std::vector<PieceRecord> pieces(d.TileNum + 1);
    LayOutCells(d, pieces);
    std::vector<std::pair<int, int>> candidates;
    for (int i = 0; i < d.TileNum; ++i)
        if (pieces[i].pictureShape)
            candidates.push_back({i / 10, i % 10});
    EXPECT_EQ(candidates, (std::vector<std::pair<int, int>>{{1, 1}, {1, 3}, {1, 5}, {1, 7}, {3, 2}, {3, 4}, {3, 6}, {3, 8},
                                                            {5, 1}, {5, 3}, {5, 5}, {5, 7}}));
}

}  // namespace
}  // namespace kirvo
