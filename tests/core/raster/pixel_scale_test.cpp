#include "raster/PixelBuffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace kirvo {
namespace {

// A 24-bit buffer whose rows are given as grey levels.
TPixelBuffer Grey(const std::vector<std::vector<int>>& rows)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x)
            PixSetPixel(buffer, x, y, MakeColour(rows[y][x], rows[y][x], rows[y][x]));
    return buffer;
}

std::vector<std::vector<int>> Levels(const TPixelBuffer& buffer)
{
    std::vector<std::vector<int>> rows(buffer.height);
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x)
            rows[y].push_back(int(PixGetPixel(buffer, x, y) & 0xFF));
    return rows;
}

TEST(PixelScale, OnePixelSourceGivesAUniformPicture)
{
    TPixelBuffer src;
    PixCreate24(src, 1, 1);
    PixSetPixel(src, 0, 0, 0x123456);
    TPixelBuffer dst;
    PixCreate24(dst, 7, 5);
    PixScale(dst, src);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(PixGetPixel(dst, x, y), 0x123456) << x << ", " << y;
}

TEST(PixelScale, WeightsAreFifteenBitFixedPointRoundedDown)
{
    TPixelBuffer dst;
    PixCreate24(dst, 2, 2);
    PixScale(dst, Grey({{0, 240}, {120, 0}}));
    // Steps of half a pixel: the corner, two midpoints and the centre of the four.
    EXPECT_EQ(Levels(dst), (std::vector<std::vector<int>>{{0, 120}, {60, 90}}));

    // Steps of 10922 / 32768: 255 * 1/3 and 255 * 2/3 would round to 85 and 170.
    PixCreate24(dst, 3, 1);
    PixScale(dst, Grey({{0, 255}, {0, 255}}));
    EXPECT_EQ(Levels(dst), (std::vector<std::vector<int>>{{0, 84, 169}}));
}

TEST(PixelScale, OneRowSourceServesAsBothRows)
{
    TPixelBuffer dst;
    PixCreate24(dst, 4, 3);
    PixScale(dst, Grey({{0, 255}}));
    std::vector<int> row{0, 63, 127, 191};
    EXPECT_EQ(Levels(dst), (std::vector<std::vector<int>>{row, row, row}));
}

TEST(PixelScale, RegionReadsAndWritesOnlyItsCorner)
{
    TPixelBuffer src = Grey({{0, 200, 250}, {100, 100, 250}, {250, 250, 250}});
    TPixelBuffer dst = Grey({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
    PixScaleRegion(dst, 2, 2, src, 2, 2);
    EXPECT_EQ(Levels(dst), (std::vector<std::vector<int>>{{0, 100, 1}, {50, 100, 1}, {1, 1, 1}}));
}

TEST(PixelScale, EmptySizesLeaveTheDestinationAlone)
{
    TPixelBuffer src = Grey({{5, 6}, {7, 8}});
    TPixelBuffer dst = Grey({{1, 1}, {1, 1}});
    PixScaleRegion(dst, 2, 0, src, 2, 2);
    PixScaleRegion(dst, 2, 2, src, 2, 0);
    PixScaleRegion(dst, 0, 2, src, 2, 2);
    PixScale(dst, TPixelBuffer{});
    EXPECT_EQ(Levels(dst), (std::vector<std::vector<int>>{{1, 1}, {1, 1}}));
}

TEST(PixelScale, SourcesWiderThan65536PixelsAreSampledInPlace)
{
    // (70000 - 1) * 32768 does not fit 32 bits; the second pixel lies halfway between source
    // columns 34999 and 35000.
    TPixelBuffer src;
    PixCreate24(src, 70000, 1);
    PixSetPixel(src, 34999, 0, MakeColour(100, 100, 100));
    PixSetPixel(src, 35000, 0, MakeColour(200, 200, 200));
    TPixelBuffer dst;
    PixCreate24(dst, 2, 1);
    PixScale(dst, src);
    EXPECT_EQ(Levels(dst), (std::vector<std::vector<int>>{{0, 150}}));
}

}  // namespace
}  // namespace kirvo
