#include "cutting/Knob.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
const uint32_t kInk = MakeColour(128, 0, 150);

TPixelBuffer WhiteCanvas()
{
    TPixelBuffer canvas;
    PixCreate24(canvas, 305, 205);
    PixFillRect(canvas, 0, 0, 305, 205, kWhite);
    return canvas;
}

bool SameCanvas(const TPixelBuffer& a, const TPixelBuffer& b)
{
    return a.size == b.size && std::memcmp(a.bits, b.bits, a.size) == 0;
}

class GridKnobTest : public ::testing::Test {
protected:
    GridKnobTest()
    {
        descriptor.ImageW = 300;
        descriptor.ImageH = 200;
        descriptor.JigsR = 299;
        descriptor.JigsB = 199;
        descriptor.TileS = 40;
        descriptor.knobMargin = 10;
    }

    // The grid knob's two draws, replayed.
    std::pair<int, bool> Draws(const std::vector<int>& list, uint32_t seed)
    {
        Random random(seed);
        int templateIndex = list[random(int(list.size()))];
        return {templateIndex, random(2) == 1};
    }

    TPixelBuffer Drawn(int templateIndex, bool mirror, PixelPoint s, PixelPoint t, int side)
    {
        TPixelBuffer expected = WhiteCanvas();
        DrawBezierPath(expected, MapKnob(templates[templateIndex], mirror, s, t, descriptor.knobMargin, side), kInk);
        PixSetPixel(expected, s.x, s.y, kInk);
        return expected;
    }

    TPixelBuffer Copied(int templateIndex, bool mirror, PixelPoint s, PixelPoint t, int side)
    {
        TPixelBuffer expected = WhiteCanvas();
        EXPECT_TRUE(CopyAtlasKnob(expected, atlas, templateIndex, side, mirror, s, t, kInk));
        return expected;
    }

    Descriptor descriptor;
    TPixelBuffer canvas = WhiteCanvas();
    std::vector<KnobTemplate> templates = LoadKnobTemplates(KnobSet::Grid);
    KnobAtlas atlas = KnobAtlasFromPicture(DrawKnobAtlas()).value();
    KnobContext context{canvas, descriptor, templates, {}};
};

TEST_F(GridKnobTest, DrawsTheListedTemplateThenTheMirrorWithTheKnobMarginAsHeight)
{
    const std::vector<int> list = KnobListsFor(6).firstChoice;
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u, 1000u, 123456789u}) {
        canvas = WhiteCanvas();
        Random random(seed);
        DrawGridKnob(context, KnobAtlas{}, list, random, 0, {160, 100}, {100, 100}, kInk);
        auto [templateIndex, mirror] = Draws(list, seed);
        EXPECT_TRUE(SameCanvas(canvas, Drawn(templateIndex, mirror, {100, 100}, {160, 100}, 0))) << "seed " << seed;
        Random twoDraws(seed);
        twoDraws(1);
        twoDraws(1);
        EXPECT_EQ(random.state, twoDraws.state);
    }
}

TEST_F(GridKnobTest, ShortStraightSidesOfC0ToC5ComeFromTheAtlas)
{
    struct Case {
        std::vector<int> list;
        PixelPoint start;
        PixelPoint end;
        int side;
        bool fromAtlas;
    } cases[] = {
        {{0}, {100, 100}, {129, 100}, 0, true},
        {{3}, {129, 100}, {100, 100}, 1, true},
        {{0}, {100, 100}, {119, 100}, 1, true},   // 20 pixels
        {{5}, {100, 100}, {100, 147}, 0, true},   // vertical, 48 pixels
        {{2}, {100, 100}, {100, 148}, 1, false},  // 49 pixels
        {{1}, {100, 100}, {118, 100}, 0, false},  // 19 pixels
        {{6}, {100, 100}, {129, 100}, 0, false},  // C6 has no drawings
        {{4}, {100, 100}, {129, 104}, 0, false},  // sloped
    };
    for (const Case& c : cases) {
        for (uint32_t seed : {11u, 12u, 13u, 14u}) {
            canvas = WhiteCanvas();
            Random random(seed);
            DrawGridKnob(context, atlas, c.list, random, c.side, c.start, c.end, kInk);
            auto [templateIndex, mirror] = Draws(c.list, seed);
            PixelPoint s = c.start.x + c.start.y <= c.end.x + c.end.y ? c.start : c.end;
            PixelPoint t = s == c.start ? c.end : c.start;
            TPixelBuffer expected = c.fromAtlas ? Copied(templateIndex, mirror, s, t, c.side)
                                                : Drawn(templateIndex, mirror, s, t, c.side);
            EXPECT_TRUE(SameCanvas(canvas, expected))
                << "C" << templateIndex << " from " << c.start.x << "," << c.start.y << " seed " << seed;
        }
    }
}

TEST_F(GridKnobTest, KnobPushedBackIntoThePictureIsDrawnFlattened)
{
    // Side 1 of a horizontal side bulges up; 10 pixels from row 5 would leave the picture.
    Random random(1);
    DrawGridKnob(context, atlas, std::vector<int>{1}, random, 1, {100, 5}, {129, 5}, kInk);
    int top = canvas.height;
    for (int y = canvas.height - 1; y >= 0; --y)
        for (int x = 0; x < canvas.width; ++x)
            if (PixGetPixel(canvas, x, y) != kWhite)
                top = y;
    EXPECT_EQ(top, 2);
}

}  // namespace
}  // namespace kirvo
