#include "cutting/BezierPath.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kInk = 0x102030;

TPixelBuffer WhiteCanvas(int width, int height)
{
    TPixelBuffer canvas;
    PixCreate24(canvas, width, height);
    PixFillRect(canvas, 0, 0, width, height, kWhite);
    return canvas;
}

std::set<std::pair<int, int>> Inked(const TPixelBuffer& canvas)
{
    std::set<std::pair<int, int>> inked;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            if (PixGetPixel(canvas, x, y) == kInk)
                inked.insert({x, y});
    return inked;
}

TEST(BezierPath, StepsAreAThirdOfTheChordRoundedAndBounded)
{
    struct Case {
        float length;
        int steps;
    } cases[] = {{0, 1}, {1, 1}, {4.5f, 2}, {7.5f, 2}, {10.5f, 4}, {30, 10}, {450, 150}, {600, 150}};
    for (const Case& c : cases)
        EXPECT_EQ(SegmentSteps({0, 0}, {c.length, 0}), c.steps) << c.length;
    EXPECT_EQ(SegmentSteps({0, 0}, {18, 24}), 10);
}

TEST(BezierPath, SamplesFollowTheBernsteinWeightsSegmentBySegment)
{
    const PathPoint path[] = {{0, 0}, {0, 30}, {30, 30}, {30, 0}, {30, -10}, {60, -10}, {60, 0.5f}};
    BezierSamples samples = SampleBezierPath(path);
    ASSERT_EQ(samples.segmentStart, (std::vector<int>{0, 11, 22}));
    EXPECT_EQ(samples.points[0], (PixelPoint{0, 0}));
    EXPECT_EQ(samples.points[5], (PixelPoint{15, 22}));  // (0 + 0 + 90 + 30) / 8, (0 + 90 + 90 + 0) / 8 = 22.5
    EXPECT_EQ(samples.points[10], (PixelPoint{30, 0}));
    EXPECT_EQ(samples.points[11], (PixelPoint{30, 0}));  // the next segment starts where this one ended
    EXPECT_EQ(samples.points[16], (PixelPoint{45, -7}));  // y = (0 - 30 - 30 + 0.5) / 8 = -7.4375
    EXPECT_EQ(samples.points[21], (PixelPoint{60, 0}));   // 0.5 rounds to even
}

TEST(BezierPath, DrawsOneConnectedPolylinePerSegment)
{
    TPixelBuffer canvas = WhiteCanvas(80, 60);
    const PathPoint straight[] = {{5, 50}, {15, 50}, {25, 50}, {35, 50}};
    DrawBezierPath(canvas, straight, kInk);
    std::set<std::pair<int, int>> row;
    for (int x = 5; x <= 35; ++x)
        row.insert({x, 50});
    EXPECT_EQ(Inked(canvas), row);

    canvas = WhiteCanvas(80, 60);
    const PathPoint curve[] = {{5, 40}, {5, 0}, {40, 0}, {40, 20}, {40, 40}, {75, 40}, {75, 5}};
    DrawBezierPath(canvas, curve, kInk);
    std::set<std::pair<int, int>> inked = Inked(canvas);
    for (PixelPoint p : SampleBezierPath(curve).points)
        EXPECT_TRUE(inked.count({p.x, p.y})) << p.x << "," << p.y;
    // One 8-connected stroke.
    std::set<std::pair<int, int>> reached{*inked.begin()};
    std::vector<std::pair<int, int>> open{*inked.begin()};
    while (!open.empty()) {
        auto [x, y] = open.back();
        open.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (inked.count({x + dx, y + dy}) && reached.insert({x + dx, y + dy}).second)
                    open.push_back({x + dx, y + dy});
    }
    EXPECT_EQ(reached.size(), inked.size());
}

TEST(BezierPath, PartsOffTheCanvasAreClipped)
{
    TPixelBuffer canvas = WhiteCanvas(20, 20);
    const PathPoint path[] = {{-30, 10}, {-10, -40}, {30, 60}, {50, 10}};
    DrawBezierPath(canvas, path, kInk);
    EXPECT_FALSE(Inked(canvas).empty());
}

}  // namespace
}  // namespace kirvo
