#include "raster/Box.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

void ExpectEdges(const TBox& box, int l, int t, int r, int b)
{
    EXPECT_EQ(box.left, l);
    EXPECT_EQ(box.top, t);
    EXPECT_EQ(box.right, r);
    EXPECT_EQ(box.bottom, b);
    EXPECT_EQ(box.width, r - l + 1);
    EXPECT_EQ(box.height, b - t + 1);
}

TEST(Box, EdgesAreInclusive)
{
    const TBox box = BoxFromOrigin(3, 4, 3, 1);
    ExpectEdges(box, 3, 4, 5, 4);
    EXPECT_EQ(box, BoxFromCorners(3, 4, 5, 4));
    EXPECT_TRUE(BoxContains(box, 5, 4));
    EXPECT_FALSE(BoxContains(box, 6, 4));
    EXPECT_FALSE(BoxIsEmpty(box));
    EXPECT_TRUE(BoxIsEmpty(BoxFromOrigin(3, 4, 0, 1)));
}

TEST(Box, ClearedBoxIsEmptyWithSentinelEdges)
{
    TBox box = BoxFromCorners(1, 2, 3, 4);
    BoxClear(box);
    EXPECT_TRUE(BoxIsEmpty(box));
    EXPECT_EQ(box.left, kBoxUnset);
    EXPECT_EQ(box.bottom, kBoxUnset);
}

TEST(Box, UnionOfClearedBoxIsTheGivenRectangle)
{
    TBox box;
    BoxClear(box);
    BoxUnion(box, -20, 5, 7, 9);
    ExpectEdges(box, -20, 5, 7, 9);
    BoxUnion(box, 0, 0, 30, 6);
    ExpectEdges(box, -20, 0, 30, 9);
}

TEST(Box, BoxesSharingOneColumnIntersectInThatColumn)
{
    TBox out = BoxFromCorners(0, 0, 0, 0);
    EXPECT_TRUE(BoxIntersect(BoxFromCorners(0, 0, 10, 10), BoxFromCorners(10, 5, 20, 20), &out));
    ExpectEdges(out, 10, 5, 10, 10);

    EXPECT_FALSE(BoxIntersect(BoxFromCorners(0, 0, 10, 10), BoxFromCorners(11, 0, 20, 10), &out));
    EXPECT_TRUE(BoxIsEmpty(out));
}

TEST(Box, MovesAndAdjustmentsKeepSizeAndEdgesInStep)
{
    TBox box = BoxFromCorners(10, 10, 19, 29);
    BoxMoveTo(box, -5, 0);
    ExpectEdges(box, -5, 0, 4, 19);
    BoxAdjust(box, 1, 2, 3, 4);
    ExpectEdges(box, -4, 2, 8, 25);
}

TEST(Box, ClipBlitCutsTheExcessAndMovesTheSource)
{
    TBox clip = BoxFromCorners(10, 20, 19, 29);
    int x = 5, y = 25, w = 30, h = 10, srcX = 0, srcY = 0;
    ASSERT_TRUE(BoxClipBlit(clip, x, y, w, h, srcX, srcY));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(w, 10);
    EXPECT_EQ(srcX, 5);
    EXPECT_EQ(y, 25);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(srcY, 0);

    int x2 = 20, y2 = 20, w2 = 5, h2 = 5, sx2 = 0, sy2 = 0;
    EXPECT_FALSE(BoxClipBlit(clip, x2, y2, w2, h2, sx2, sy2));
}

TEST(Box, ColourHelpers)
{
    EXPECT_EQ(MakeColour(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(SplitColour(0xFF563412), (Rgb{0x12, 0x34, 0x56}));
    EXPECT_EQ(ClampByte(-3), 0);
    EXPECT_EQ(ClampByte(300), 255);
    EXPECT_EQ(Clamp3(50, 0, 10), 10);
    EXPECT_EQ(Clamp3(-5, 0, 10), 0);
}

}  // namespace
}  // namespace kirvo
