#include "raster/PixelBuffer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kirvo {
namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kWall = 0xFFFFFF;

using Points = std::set<std::pair<int, int>>;

TPixelBuffer Black(int width, int height)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    return buffer;
}

Points Painted(const TPixelBuffer& buffer)
{
    Points points;
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x)
            if (PixGetPixel(buffer, x, y) != 0)
                points.insert({x, y});
    return points;
}

// Pictures as text: '#' a wall, '.' black, 'o' the fill colour.
TPixelBuffer FromText(const std::vector<std::string>& rows)
{
    TPixelBuffer buffer = Black(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x)
            PixSetPixel(buffer, x, y, rows[y][x] == '#' ? kWall : rows[y][x] == 'o' ? kRed : 0);
    return buffer;
}

std::vector<std::string> ToText(const TPixelBuffer& buffer)
{
    std::vector<std::string> rows;
    for (int y = 0; y < buffer.height; ++y) {
        rows.emplace_back();
        for (int x = 0; x < buffer.width; ++x) {
            int64_t colour = PixGetPixel(buffer, x, y);
            rows.back() += colour == kWall ? '#' : colour == kRed ? 'o' : '.';
        }
    }
    return rows;
}

TEST(PixelLine, HorizontalLinePastBothEdgesColoursExactlyTheRow)
{
    TPixelBuffer buffer = Black(6, 3);
    PixLine(buffer, 11, 1, -5, 1, kRed);
    EXPECT_EQ(Painted(buffer), (Points{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
}

TEST(PixelLine, VerticalLineFromTheLastRowDownSetsOnePixel)
{
    TPixelBuffer buffer = Black(4, 5);
    PixLine(buffer, 2, 4, 2, 40, kRed);
    EXPECT_EQ(Painted(buffer), (Points{{2, 4}}));

    PixLine(buffer, 0, -3, 0, 1, kRed);
    EXPECT_EQ(Painted(buffer), (Points{{2, 4}, {0, 0}, {0, 1}}));
}

TEST(PixelLine, LinesWhollyOutsideDrawNothing)
{
    TPixelBuffer buffer = Black(4, 4);
    PixLine(buffer, -3, 2, -1, 2, kRed);
    PixLine(buffer, 1, 4, 1, 9, kRed);
    PixLine(buffer, -5, -5, -5, -5, kRed);
    PixLine(buffer, 10, 0, 20, 7, kRed);
    EXPECT_TRUE(Painted(buffer).empty());
    PixLine(buffer, 3, 3, 3, 3, kRed);
    EXPECT_EQ(Painted(buffer), (Points{{3, 3}}));
}

TEST(PixelLine, SlopedLinesFollowBresenhamAndStepTheMinorAxisOnTies)
{
    struct Case {
        int x1, y1, x2, y2;
        Points points;
    };
    const Case cases[] = {
        {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {4, 2, 0, 0, {{4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}},
        {1, 0, 2, 4, {{1, 0}, {1, 1}, {2, 2}, {2, 3}, {2, 4}}},
        {0, 3, 3, 0, {{0, 3}, {1, 2}, {2, 1}, {3, 0}}},
        {5, 1, 0, 3, {{5, 1}, {4, 1}, {3, 2}, {2, 2}, {1, 3}, {0, 3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2);
        TPixelBuffer buffer = Black(6, 6);
        PixLine(buffer, c.x1, c.y1, c.x2, c.y2, kRed);
        EXPECT_EQ(Painted(buffer), c.points);
    }
}

TEST(PixelLine, SlopedLineIsClippedPixelByPixel)
{
    TPixelBuffer buffer = Black(3, 3);
    PixLine(buffer, -2, -2, 5, 5, kRed);
    EXPECT_EQ(Painted(buffer), (Points{{0, 0}, {1, 1}, {2, 2}}));
}

TEST(PixelDraw, FrameRectDrawsTheBorderOnly)
{
    TPixelBuffer buffer = Black(5, 5);
    PixFrameRect(buffer, 1, 1, 3, 3, kRed);
    EXPECT_EQ(ToText(buffer), (std::vector<std::string>{".....", ".ooo.", ".o.o.", ".ooo.", "....."}));

    // An empty rectangle has no border; the four lines alone would draw at x - 1.
    TPixelBuffer empty = Black(5, 5);
    PixFrameRect(empty, 2, 2, 0, 3, kRed);
    PixFrameRect(empty, 2, 2, 3, -1, kRed);
    EXPECT_TRUE(Painted(empty).empty());
}

TEST(PixelDraw, FillRectIsClippedAndKeepsAlpha)
{
    TPixelBuffer buffer = Black(4, 3);
    PixFillRect(buffer, -2, 1, 4, 9, kRed);
    EXPECT_EQ(ToText(buffer), (std::vector<std::string>{"....", "oo..", "oo.."}));

    TPixelBuffer sprite;
    PixCreate32(sprite, 2, 2);
    PixAddress(sprite, 1, 1)[3] = 99;
    PixFillRect(sprite, 0, 0, 2, 2, kRed);
    EXPECT_EQ(PixGetPixel(sprite, 1, 1), kRed);
    EXPECT_EQ(PixGetAlpha(sprite, 1, 1), 99);
}

TEST(PixelFloodFill, FillsTheFourConnectedRegionAndReportsItsBounds)
{
    // From the seed the region runs down, back up the next arm and down the third; the black
    // pixel diagonal to its end is not connected.
    TPixelBuffer buffer = FromText({
        ".#.#...#",
        ".#.#.#.#",
        ".#...#.#",
        ".#####.#",
        "......##",
        "######..",
    });
    TBox bounds;
    PixFloodFill(buffer, 2, 0, kRed, &bounds);
    EXPECT_EQ(ToText(buffer), (std::vector<std::string>{
                                  ".#o#ooo#",
                                  ".#o#o#o#",
                                  ".#ooo#o#",
                                  ".#####o#",
                                  "......##",
                                  "######..",
                              }));
    EXPECT_EQ(bounds, BoxFromCorners(2, 0, 6, 3));
}

TEST(PixelFloodFill, SeedAlreadyOfTheFillColourOrOutsideChangesNothing)
{
    const std::vector<std::string> picture{"o..", "o#.", "ooo"};
    for (auto [x, y] : {std::pair{0, 1}, std::pair{-1, 1}, std::pair{3, 0}}) {
        SCOPED_TRACE(testing::Message() << "seed " << x << ", " << y);
        TPixelBuffer buffer = FromText(picture);
        TBox bounds;
        PixFloodFill(buffer, x, y, kRed, &bounds);
        EXPECT_EQ(ToText(buffer), picture);
        EXPECT_EQ(bounds, BoxFromCorners(x, y, x, y));
    }
}

TEST(PixelFloodFill, LongWindingRegionNeedsNoRecursion)
{
    // A serpentine one pixel wide through a 401 x 401 buffer: 80,000 pixels in one path that
    // turns 200 times. A fill that recursed per pixel would run out of stack.
    constexpr int kSize = 401;
    TPixelBuffer buffer = Black(kSize, kSize);
    for (int y = 1; y < kSize; y += 2) {
        PixLine(buffer, 0, y, kSize - 1, y, kWall);
        PixSetPixel(buffer, (y / 2) % 2 ? 0 : kSize - 1, y, 0);  // the gap alternates sides
    }
    TBox bounds;
    PixFloodFill(buffer, 0, 0, kRed, &bounds);
    int red = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            red += PixGetPixel(buffer, x, y) == kRed;
    EXPECT_EQ(red, (kSize / 2 + 1) * kSize + kSize / 2);
    EXPECT_EQ(bounds, BoxFromCorners(0, 0, kSize - 1, kSize - 1));
}

}  // namespace
}  // namespace kirvo
