#include "cutting/PieceSizeTable.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

std::vector<int> TileSizes(const PieceSizeTable& table)
{
    std::vector<int> sizes;
    for (const PieceGeometry& g : table)
        sizes.push_back(g.TileS);
    return sizes;
}

std::vector<int> PieceCounts(const PieceSizeTable& table)
{
    std::vector<int> counts;
    for (const PieceGeometry& g : table)
        counts.push_back(g.TotalTileNum);
    return counts;
}

TEST(PieceSizeTable, Picture800x600)
{
    PieceSizeTable table = BuildPieceSizeTable(800, 600, 0, 0);
    EXPECT_EQ(TileSizes(table), (std::vector<int>{20, 23, 27, 32, 37, 43, 51, 59, 69, 81, 94, 110, 128, 150}));
    EXPECT_EQ(PieceCounts(table), (std::vector<int>{1200, 884, 638, 450, 336, 234, 165, 130, 88, 63, 48, 35, 24, 20}));
}

TEST(PieceSizeTable, Picture1024x768)
{
    PieceSizeTable table = BuildPieceSizeTable(1024, 768, 0, 0);
    EXPECT_EQ(table[0].TileS, 20);
    EXPECT_EQ(table[0].TotalTileNum, 1938);
    EXPECT_EQ(table[13].TileS, 192);
    EXPECT_EQ(table[13].TotalTileNum, 20);
}

TEST(PieceSizeTable, FinestLevelStaysBelow4000Pieces)
{
    PieceSizeTable table = BuildPieceSizeTable(1920, 1080, 0, 0);
    EXPECT_LT(table[0].TotalTileNum, 4000);
    EXPECT_GE(ComputePieceGeometry(1920, 1080, 0, 0, table[0].TileS - 1).TotalTileNum, 4000);
}

TEST(PieceSizeTable, GeometryOfOneTileSize)
{
    PieceGeometry framed = ComputePieceGeometry(840, 640, 1, 0, 20);
    EXPECT_EQ(framed.TilePX, 40);
    EXPECT_EQ(framed.TilePY, 30);
    EXPECT_EQ(ComputePieceGeometry(800, 600, 0, 0, 10).MaskS, 16);

    PieceGeometry shapes = ComputePieceGeometry(800, 600, 0, 3, 100);
    EXPECT_EQ(shapes.MaskS, 148);
    EXPECT_EQ(shapes.knobMargin, 24);
    EXPECT_EQ(shapes.TileNum, 48);
    EXPECT_EQ(shapes.pictureAllowance, 4 * 3);
    EXPECT_EQ(shapes.TotalTileNum, 60);
}

TEST(PieceSizeTable, TinyPicturesGiveNoCrashAndNoNegativeGrid)
{
    for (auto [w, h] : {std::pair{1, 1}, {3, 200}, {30, 30}, {45, 45}}) {
        for (int border : {0, 1}) {
            PieceSizeTable table = BuildPieceSizeTable(w, h, 0, border);
            for (const PieceGeometry& g : table) {
                EXPECT_GE(g.TilePX, 0);
                EXPECT_GE(g.TilePY, 0);
                EXPECT_GE(g.TileS, 1);
            }
        }
    }
    EXPECT_EQ(BuildPieceSizeTable(0, 600, 0, 0)[0].TileS, 0);
}

TEST(PieceSizeTable, ApplyingALevelLeavesOutThePictureAllowance)
{
    Descriptor descriptor;
    descriptor.ShapeStyle = 3;
    descriptor.Level = 13;
    ASSERT_TRUE(ApplyLevel(descriptor, 800, 600));
    EXPECT_EQ(descriptor.TileS, BuildPieceSizeTable(800, 600, 3, 0)[13].TileS);
    EXPECT_EQ(descriptor.TotalTileNum, descriptor.TileNum);
    EXPECT_EQ(descriptor.TileNum, descriptor.TilePX * descriptor.TilePY);
    EXPECT_EQ(descriptor.PicPX, 0);
    EXPECT_EQ(descriptor.knobMargin, (descriptor.MaskS - descriptor.TileS) / 2);
    EXPECT_EQ(descriptor.snapDistance, std::max(descriptor.knobMargin / 2, 4));

    descriptor.ShapeStyle = 0;
    descriptor.Level = 0;
    ASSERT_TRUE(ApplyLevel(descriptor, 800, 600));
    EXPECT_EQ(descriptor.snapDistance, 4) << "knob margin 4 would give 2";
    EXPECT_FALSE(ApplyLevel(descriptor, 0, 0));
}

}  // namespace
}  // namespace kirvo
