#include "session/GammaArea.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

const uint32_t kFace = MakeColour(127, 127, 127);  // a grey that the colour field never holds

struct PixelCase {
    int x, y;
    uint32_t colour;
};

void ExpectPixels(GammaShape shape, std::initializer_list<PixelCase> cases)
{
    TPixelBuffer area;
    RenderGammaArea(area, shape, kFace);
    ASSERT_EQ(area.width, kGammaSide);
    ASSERT_EQ(area.height, kGammaSide);
    for (const PixelCase& c : cases)
        EXPECT_EQ(PixGetPixel(area, c.x, c.y), c.colour) << "(" << c.x << ", " << c.y << ")";
}

TEST(GammaAreaTest, SquareRunsThroughTheHuesAndFadesToWhiteAboveAndBlackBelow)
{
    ExpectPixels(GammaShape::Square, {
        {0, 150, MakeColour(255, 0, 0)},       // the middle row holds the pure hues
        {25, 150, MakeColour(255, 0, 127)},
        {50, 150, MakeColour(255, 0, 255)},    // a new sector starts every 50 columns
        {100, 150, MakeColour(0, 0, 255)},
        {299, 150, MakeColour(255, 6, 0)},     // the last column stops short of red
        {0, 75, MakeColour(255, 127, 127)},
        {100, 225, MakeColour(0, 0, 128)},
        {0, 0, MakeColour(255, 255, 255)},     // the top row is white
        {299, 0, MakeColour(255, 255, 255)},
        {0, 299, MakeColour(2, 0, 0)},         // the bottom row is almost black
        {299, 299, MakeColour(2, 1, 0)},
    });
}

TEST(GammaAreaTest, CircleIsWhiteAtTheCentrePureHalfwayAndAlmostBlackAtTheRim)
{
    ExpectPixels(GammaShape::Circle, {
        {150, 150, MakeColour(255, 255, 255)},
        {150, 1, MakeColour(4, 0, 0)},        // straight above at distance 149: red, almost black
        {150, 0, kFace},                      // distance 150 is outside
        {149, 0, kFace},
        {0, 0, kFace},
        {299, 299, kFace},
        {225, 150, MakeColour(128, 0, 255)},  // halfway out the hue is pure; it turns clockwise
        {150, 225, MakeColour(0, 255, 255)},
        {75, 150, MakeColour(127, 255, 0)},
        {299, 150, MakeColour(2, 0, 4)},
    });
}

TEST(GammaAreaTest, OnlyPointsOfTheFieldCount)
{
    struct Case {
        GammaShape shape;
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {GammaShape::Square, 0, 0, true},     {GammaShape::Square, 299, 299, true},
        {GammaShape::Square, -1, 10, false},  {GammaShape::Square, 10, 300, false},
        {GammaShape::Circle, 150, 150, true}, {GammaShape::Circle, 150, 1, true},
        {GammaShape::Circle, 150, 0, false},  {GammaShape::Circle, 149, 0, false},
        {GammaShape::Circle, 0, 0, false},    {GammaShape::Circle, 299, 150, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GammaContains(c.shape, c.x, c.y), c.inside) << int(c.shape) << " (" << c.x << ", " << c.y << ")";
}

// A grey square with a few nearly-grey pixels.
TPixelBuffer GreyArea()
{
    TPixelBuffer area;
    PixCreate24(area, 6, 4);
    PixFillRect(area, 0, 0, 6, 4, MakeColour(100, 100, 100));
    PixSetPixel(area, 1, 0, MakeColour(50, 60, 70));
    PixSetPixel(area, 4, 1, MakeColour(55, 60, 70));
    PixSetPixel(area, 2, 3, MakeColour(51, 61, 70));
    return area;
}

TEST(GammaAreaTest, MarkerGoesToTheClosestPixelWithinFivePerChannel)
{
    using Point = std::optional<std::pair<int, int>>;
    const TPixelBuffer area = GreyArea();
    struct Case {
        uint32_t colour;
        Point found;
    };
    const Case cases[] = {
        {MakeColour(100, 100, 100), std::pair(0, 0)},  // equals count the first in row order
        {MakeColour(105, 95, 105), std::pair(0, 0)},
        {MakeColour(106, 100, 100), std::nullopt},     // six off in one channel is too far
        {MakeColour(100, 100, 94), std::nullopt},
        {MakeColour(52, 61, 70), std::pair(2, 3)},     // the smallest sum wins over row order
        {MakeColour(55, 60, 75), std::pair(4, 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindGammaMarker(area, GammaShape::Square, c.colour), c.found) << std::hex << c.colour;
}

TEST(GammaAreaTest, TheCircleIsSearchedOnlyInsideIt)
{
    TPixelBuffer area;
    RenderGammaArea(area, GammaShape::Circle, kFace);
    EXPECT_EQ(FindGammaMarker(area, GammaShape::Circle, kFace), std::nullopt);
    EXPECT_EQ(FindGammaMarker(area, GammaShape::Square, kFace), std::pair(0, 0));
    EXPECT_EQ(FindGammaMarker(area, GammaShape::Circle, MakeColour(255, 255, 255)), std::pair(150, 150));
}

// The points of the area whose colour differs from the grey.
std::vector<std::pair<int, int>> Changed(const TPixelBuffer& area)
{
    std::vector<std::pair<int, int>> points;
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x)
            if (PixGetPixel(area, x, y) != MakeColour(100, 100, 100))
                points.emplace_back(x, y);
    return points;
}

TEST(GammaAreaTest, MarkInvertsTheOutlineOfAFiveByFiveSquareOnThePicture)
{
    TPixelBuffer area;
    PixCreate24(area, 9, 9);
    PixFillRect(area, 0, 0, 9, 9, MakeColour(100, 100, 100));
    MarkGamma(area, 4, 4);
    const auto outline = Changed(area);
    EXPECT_EQ(outline.size(), 16u);
    EXPECT_EQ(PixGetPixel(area, 2, 2), MakeColour(155, 155, 155));
    EXPECT_EQ(PixGetPixel(area, 6, 5), MakeColour(155, 155, 155));
    EXPECT_EQ(PixGetPixel(area, 3, 3), MakeColour(100, 100, 100));
    EXPECT_EQ(PixGetPixel(area, 4, 4), MakeColour(100, 100, 100));
    MarkGamma(area, 4, 4);
    EXPECT_TRUE(Changed(area).empty());

    MarkGamma(area, 0, 8);  // in the corner only the part on the picture
    EXPECT_EQ(Changed(area), (std::vector<std::pair<int, int>> {{0, 6}, {1, 6}, {2, 6}, {2, 7}, {2, 8}}));
}

}  // namespace
}  // namespace kirvo
