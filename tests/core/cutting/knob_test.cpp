#include "cutting/Knob.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const uint32_t kInk = MakeColour(128, 0, 75);
constexpr int kA0 = 0;
constexpr int kA13 = 13;  // its tip is the on-path point (64, 0): the knob reaches exactly its height

TPixelBuffer WhiteCanvas(int width, int height)
{
    TPixelBuffer canvas;
    PixCreate24(canvas, width, height);
    PixFillRect(canvas, 0, 0, width, height, kWhite);
    return canvas;
}

KnobBox InkedBox(const TPixelBuffer& canvas)
{
    KnobBox box;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            if (PixGetPixel(canvas, x, y) != kWhite)
                box.Add({x, y});
    return box;
}

class KnobTest : public ::testing::Test {
protected:
    KnobTest()
    {
        descriptor.ImageW = 300;
        descriptor.ImageH = 200;
        descriptor.JigsR = 299;
        descriptor.JigsB = 199;
        descriptor.TileS = 40;
        descriptor.knobMargin = 31;
        canvas = WhiteCanvas(305, 205);
    }

    KnobContext Context(CutFlags flags) { return {canvas, descriptor, templates, flags}; }

    Descriptor descriptor;
    TPixelBuffer canvas;
    std::vector<KnobTemplate> templates = LoadKnobTemplates(KnobSet::Artistic);
};

TEST_F(KnobTest, MapsTheTemplateOntoTheSide)
{
    const KnobTemplate& a0 = templates[kA0];
    struct Case {
        PixelPoint s;
        PixelPoint t;
        int side;
        bool mirror;
        PathPoint tip;  // where design point 12, (64, 0), lands (mirrored: (63, 0))
    } cases[] = {
        {{100, 50}, {227, 50}, 1, false, {164, 19}},
        {{100, 50}, {227, 50}, 0, false, {164, 81}},
        {{100, 50}, {227, 50}, 1, true, {163, 19}},
        {{50, 100}, {50, 227}, 1, false, {81, 164}},  // a vertical side bulges right for side 1
        {{50, 100}, {50, 227}, 0, false, {19, 164}},
    };
    for (const Case& c : cases) {
        std::vector<PathPoint> path = MapKnob(a0, c.mirror, c.s, c.t, 31, c.side);
        ASSERT_EQ(path.size(), a0.points.size());
        EXPECT_EQ(path[12].x, c.tip.x);
        EXPECT_EQ(path[12].y, c.tip.y);
        EXPECT_EQ(path.front().x, c.s.x);
        EXPECT_EQ(path.front().y, c.s.y);
        EXPECT_EQ(path.back().x, c.t.x);
        EXPECT_EQ(path.back().y, c.t.y);
    }
}

TEST_F(KnobTest, HeightFollowsTheRoomBesideTheSide)
{
    // A13 on a 127-pixel side: base line 31, reach up 32, reach down 1, so H0 = 31.
    struct Case {
        int side;
        double roomSide1;
        double roomSide0;
        int reach;  // rows from the base line to the tip; 0 = nothing drawn
    } cases[] = {
        {1, -1, 5, 31},    // no limit
        {1, 5, -1, 31},
        {1, 100, 100, 31},  // room enough
        {1, 17, 100, 15},   // knob side short: 17 x 31 / 32 - 1 = 15.47
        {1, 100, 1, 30},    // back short: 1 x 31 / 1 - 1
        {1, 17, 1, 15},     // both: 31 x min(17 / 32, 1 / 1) - 1
        {0, 100, 17, 15},   // side 0 takes its room from the other argument
        {1, 0, 10, 0},
        {1, 10, 0, 0},
    };
    for (const Case& c : cases) {
        canvas = WhiteCanvas(305, 205);
        KnobRequest request{.side = c.side, .templateIndex = kA13, .start = {227, 100}, .end = {100, 100},
                            .roomSide1 = c.roomSide1, .roomSide0 = c.roomSide0, .colour = kInk};
        KnobBox box;
        EXPECT_TRUE(DrawKnob(Context({.clearance = true}), request, box));
        EXPECT_EQ(InkedBox(canvas), box);
        if (c.reach == 0) {
            EXPECT_TRUE(box.IsEmpty());
            continue;
        }
        EXPECT_EQ(c.side == 1 ? 100 - box.top : box.bottom - 100, c.reach) << c.roomSide1 << " / " << c.roomSide0;
        EXPECT_EQ(box.left, 100);
        EXPECT_EQ(box.right, 227);
    }
}

TEST_F(KnobTest, SideOfLengthZeroDrawsNothingAndSucceeds)
{
    KnobRequest request{.start = {50, 50}, .end = {50, 50}, .ownCentre = {60, 60}, .clearance = 4, .colour = kInk};
    KnobBox box;
    box.Add({1, 1});
    EXPECT_TRUE(DrawKnob(Context({.clearance = true}), request, box));
    EXPECT_TRUE(box.IsEmpty());
    EXPECT_TRUE(InkedBox(canvas).IsEmpty());
}

TEST_F(KnobTest, KnobThatWouldLeaveThePictureEndsTwoPixelsInside)
{
    struct Case {
        int side;
        PixelPoint start;
        PixelPoint end;
        int KnobBox::*edge;
        int limit;
    } cases[] = {
        {1, {100, 10}, {227, 10}, &KnobBox::top, 2},
        {0, {100, 190}, {227, 190}, &KnobBox::bottom, 198},
        {1, {290, 30}, {290, 157}, &KnobBox::right, 298},
        {0, {10, 30}, {10, 157}, &KnobBox::left, 2},
    };
    for (const Case& c : cases) {
        canvas = WhiteCanvas(305, 205);
        KnobRequest request{.side = c.side, .templateIndex = kA13, .start = c.start, .end = c.end, .colour = kInk};
        KnobBox box;
        EXPECT_TRUE(DrawKnob(Context({}), request, box));
        EXPECT_EQ(InkedBox(canvas).*c.edge, c.limit) << "side " << c.side << " from " << c.start.x << "," << c.start.y;
    }
}

TEST_F(KnobTest, ClearanceTestKeepsKnobsOffOtherOutlines)
{
    KnobRequest request{.side = 1, .templateIndex = kA0, .start = {100, 120}, .end = {227, 120},
                        .ownCentre = {150, 180}, .neighbourCentre = {150, 40}, .clearance = 4, .colour = kInk};
    const KnobContext context = Context({.clearance = true});
    KnobBox box;
    ASSERT_TRUE(DrawKnob(context, request, box));
    KnobBox drawn = InkedBox(canvas);
    EXPECT_EQ(drawn, box);

    // Another outline 3 rows above the tip: the same knob no longer fits and nothing is drawn.
    canvas = WhiteCanvas(305, 205);
    PixSetPixel(canvas, 164, drawn.top - 3, 0);
    EXPECT_FALSE(DrawKnob(context, request, box));
    EXPECT_EQ(InkedBox(canvas), (KnobBox{164, drawn.top - 3, 164, drawn.top - 3}));

    // Clearance -1 skips the test.
    request.clearance = -1;
    EXPECT_TRUE(DrawKnob(context, request, box));
    EXPECT_EQ(box, drawn);

    // A knob reaching out of the cut area fails.
    canvas = WhiteCanvas(305, 205);
    descriptor.JigsT = drawn.top + 1;
    request.clearance = 4;
    EXPECT_FALSE(DrawKnob(context, request, box));
    EXPECT_TRUE(InkedBox(canvas).IsEmpty());
}

// KnobClear on hand-made samples: the middle one, (25, 30), is the only one outside the end zones.
class KnobClearTest : public ::testing::Test {
protected:
    bool Clear(std::vector<PixelPoint> points)
    {
        BezierSamples samples{points, {0, int(points.size())}};
        return KnobClear(canvas, samples, probe);
    }
    bool ClearWith(PixelPoint blocker)
    {
        canvas = WhiteCanvas(60, 60);
        PixSetPixel(canvas, blocker.x, blocker.y, 0);
        return Clear(line);
    }

    TPixelBuffer canvas = WhiteCanvas(60, 60);
    ClearanceProbe probe{.reach = 4, .endZone = 2, .left = 0, .top = 0, .right = 59, .bottom = 59,
                         .start = {10, 30}, .end = {40, 30}, .ownCentre = {25, 50}};
    std::vector<PixelPoint> line{{10, 30}, {25, 30}, {40, 30}};
};

TEST_F(KnobClearTest, ProbesReachCStraightAndCOverRootTwoDiagonally)
{
    EXPECT_TRUE(Clear(line));
    struct Case {
        PixelPoint blocker;
        bool clear;
    } cases[] = {
        {{21, 30}, false}, {{20, 30}, true},   // left: 4, not 5
        {{29, 30}, false}, {{30, 30}, true},   // right
        {{25, 26}, false}, {{25, 25}, true},   // up
        {{25, 34}, false}, {{25, 35}, true},   // down
        {{28, 33}, false}, {{29, 34}, true},   // diagonals: round(4 / 1.414) = 3
        {{22, 27}, false}, {{28, 27}, false}, {{22, 33}, false},
        {{27, 33}, true},                      // off every ray
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClearWith(c.blocker), c.clear) << c.blocker.x << "," << c.blocker.y;
}

TEST_F(KnobClearTest, PixelsNearTheEndPointsAreNotChecked)
{
    probe.endZone = 13;  // (22, 30) is 12 from the start point: inside its zone; (25, 30) is not
    EXPECT_TRUE(ClearWith({22, 30}));
    EXPECT_FALSE(ClearWith({23, 30}));
    probe.endZone = 16;  // now the sample itself is in the zone: nothing around it is looked at
    EXPECT_TRUE(ClearWith({23, 30}));
}

TEST_F(KnobClearTest, ProbesStopAtTheCutAreaAndSamplesMustLieInIt)
{
    probe.top = 28;
    EXPECT_TRUE(ClearWith({25, 27}));
    EXPECT_FALSE(ClearWith({25, 28}));
    probe.top = 31;
    EXPECT_FALSE(Clear(line));
}

TEST_F(KnobClearTest, NoLineBetweenSamplesMayRunThroughACentre)
{
    probe.ownCentre = {55, 30};
    EXPECT_FALSE(Clear(line));
    probe.ownCentre = {55, 31};
    EXPECT_TRUE(Clear(line));
    probe.neighbourCentre = {0, 30};
    EXPECT_FALSE(Clear(line));
    // (-1000, -1000) is no neighbour, even on the line.
    probe.neighbourCentre = kNoNeighbourCentre;
    probe.start = {10, 10};
    probe.end = {40, 40};
    EXPECT_TRUE(Clear({{10, 10}, {25, 25}, {40, 40}}));
    // The first sample of a segment has no line to its predecessor in another segment.
    BezierSamples twoSegments{{{10, 10}, {20, 10}, {25, 25}, {40, 40}}, {0, 2, 4}};
    probe.ownCentre = {30, 40};  // on the line through (20, 10) and (25, 25)
    EXPECT_TRUE(KnobClear(canvas, twoSegments, probe));
}

TEST_F(KnobClearTest, TwoSamplesOnOnePixelSpanNoLine)
{
    // Small knobs round neighbouring samples onto one pixel; that must not read as a line
    // through every centre.
    EXPECT_TRUE(Clear({{10, 30}, {25, 30}, {25, 30}, {40, 30}}));
}

}  // namespace
}  // namespace kirvo
