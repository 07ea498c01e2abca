#include "raster/PixelBuffer.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

TBox Everything() { return BoxFromCorners(-1000, -1000, 1000, 1000); }

TPixelBuffer Filled(int width, int height, uint32_t colour, int alpha = -1)
{
    TPixelBuffer buffer;
    alpha < 0 ? PixCreate24(buffer, width, height) : PixCreate32(buffer, width, height);
    PixFillRect(buffer, 0, 0, width, height, colour);
    for (int y = 0; alpha >= 0 && y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixAddress(buffer, x, y)[3] = uint8_t(alpha);
    return buffer;
}

// Every pixel gets its own colour, so that a misplaced copy shows.
uint32_t ColourAt(int x, int y) { return MakeColour(x + 1, y + 1, 9); }

TPixelBuffer Numbered(int width, int height)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, ColourAt(x, y));
    return buffer;
}

// How many pixels of the buffer differ from black.
int Painted(const TPixelBuffer& buffer)
{
    int count = 0;
    for (int y = 0; y < buffer.height; ++y)
        for (int x = 0; x < buffer.width; ++x)
            count += PixGetPixel(buffer, x, y) != 0;
    return count;
}

TEST(PixelBlit, ClipBlitMovesTheSourceOnlyAlongAxesThatAreNotStretched)
{
    struct Case {
        const char* name;
        int x, y, w, h, srcW, srcH;
        bool visible;
        int clippedX, clippedW, clippedSrcX, clippedSrcW;
    };
    TPixelBuffer dst = Filled(10, 10, 0);
    const Case cases[] = {
        {"inside", 2, 3, 4, 4, 4, 4, true, 2, 4, 0, 4},
        {"cut on the left", -3, 0, 5, 4, 5, 4, true, 0, 2, 3, 2},
        {"stretched, cut on the left", -3, 0, 50, 4, 1, 4, true, 0, 10, 0, 1},
        {"cut on the right", 8, 0, 5, 4, 5, 4, true, 8, 2, 0, 2},
        {"right of the buffer", 10, 0, 5, 4, 5, 4, false, 0, 0, 0, 0},
        {"left of the buffer", -6, 0, 5, 4, 5, 4, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int x = c.x, y = c.y, w = c.w, h = c.h, srcX = 0, srcY = 0, srcW = c.srcW, srcH = c.srcH;
        ASSERT_EQ(PixClipBlit(dst, x, y, w, h, srcX, srcY, srcW, srcH), c.visible);
        if (!c.visible)
            continue;
        EXPECT_EQ(x, c.clippedX);
        EXPECT_EQ(w, c.clippedW);
        EXPECT_EQ(srcX, c.clippedSrcX);
        EXPECT_EQ(srcW, c.clippedSrcW);
    }
}

TEST(PixelBlit, BlendFollowsTheSourceAlpha)
{
    struct Case {
        int alpha;
        int expected;  // per channel, white over a grey of 100
    };
    for (Case c : {Case{0, 100}, Case{128, 177}, Case{255, 255}, Case{1, 100}, Case{254, 254}}) {
        SCOPED_TRACE(testing::Message() << "alpha " << c.alpha);
        TPixelBuffer dst = Filled(2, 2, MakeColour(100, 100, 100));
        PixBlendBlit(dst, 0, 0, 2, 2, Filled(2, 2, kWhite, c.alpha), 0, 0, 2, 2, Everything());
        EXPECT_EQ(PixGetPixel(dst, 1, 1), MakeColour(c.expected, c.expected, c.expected));
    }

    TPixelBuffer black = Filled(1, 1, 0);
    PixBlendBlit(black, 0, 0, 1, 1, Filled(1, 1, kWhite, 128), 0, 0, 1, 1, Everything());
    EXPECT_EQ(PixGetPixel(black, 0, 0), MakeColour(128, 128, 128));
}

TEST(PixelBlit, BlendNeverWritesTheDestinationAlpha)
{
    TPixelBuffer dst = Filled(2, 1, 0, 40);
    PixBlendBlit(dst, 0, 0, 2, 1, Filled(2, 1, kWhite, 255), 0, 0, 2, 1, Everything());
    EXPECT_EQ(PixGetPixel(dst, 1, 0), kWhite);
    EXPECT_EQ(PixGetAlpha(dst, 1, 0), 40);

    PixBlendBlit(dst, 0, 0, 2, 1, Filled(2, 1, 0x123456), 0, 0, 2, 1, Everything());
    EXPECT_EQ(PixGetPixel(dst, 0, 0), 0x123456);
    EXPECT_EQ(PixGetAlpha(dst, 0, 0), 40);
}

TEST(PixelBlit, OnePixelWideSourceIsRepeatedAcrossTheWidth)
{
    TPixelBuffer strip = Numbered(3, 4);  // column 1 is the strip
    for (int x : {0, -7}) {
        SCOPED_TRACE(testing::Message() << "x " << x);
        TPixelBuffer dst = Filled(60, 4, 0);
        PixBlendBlit(dst, x, 0, 50, 4, strip, 1, 0, 1, 4, Everything());
        for (int y = 0; y < 4; ++y)
            for (int i = MaxInt(x, 0); i < x + 50; ++i)
                ASSERT_EQ(PixGetPixel(dst, i, y), ColourAt(1, y)) << i << ", " << y;
        EXPECT_EQ(Painted(dst), (x + 50) * 4);
    }
}

TEST(PixelBlit, OnePixelHighSourceIsRepeatedDownTheHeight)
{
    TPixelBuffer strip = Numbered(4, 3);  // row 2 is the strip
    TPixelBuffer dst = Filled(4, 20, 0);
    const TBox clip = BoxFromCorners(0, 5, 3, 100);  // the clip box must not move the strip either
    PixBlendBlit(dst, 0, -3, 4, 30, strip, 0, 2, 4, 1, clip);
    for (int y = 5; y < 20; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(PixGetPixel(dst, x, y), ColourAt(x, 2)) << x << ", " << y;
    EXPECT_EQ(Painted(dst), 15 * 4);
}

TEST(PixelBlit, ClipBoxCutsTheCopyAndMovesTheSource)
{
    TPixelBuffer dst = Filled(8, 8, 0);
    const TBox clip = BoxFromCorners(3, 2, 5, 6);
    PixBlendBlit(dst, 1, 1, 6, 6, Numbered(6, 6), 0, 0, 6, 6, clip);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(PixGetPixel(dst, x, y), BoxContains(clip, x, y) ? ColourAt(x - 1, y - 1) : 0) << x << ", " << y;
        }
}

TEST(PixelBlit, ReadsStayInsideTheSourceWhateverTheCallerAsks)
{
    TPixelBuffer src = Numbered(4, 4);
    struct Case {
        const char* name;
        int srcX, srcY, srcW, srcH;
        int painted;
    };
    const Case cases[] = {
        {"rectangle larger than the source", 0, 0, 10, 10, 16},
        {"source origin left of the source", -2, 0, 10, 10, 16},
        {"stretched column outside the source", 9, 0, 1, 10, 0},
        {"both sizes differ: plain copy of w x h", 1, 1, 2, 2, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPixelBuffer dst = Filled(10, 10, 0);
        PixBlendBlit(dst, 0, 0, 10, 10, src, c.srcX, c.srcY, c.srcW, c.srcH, Everything());
        EXPECT_EQ(Painted(dst), c.painted);
        TPixelBuffer keyed = Filled(10, 10, 0);
        PixKeyedBlit(keyed, 0, 0, 10, 10, src, c.srcX, c.srcY, c.srcW, c.srcH, Everything(), kWhite);
        EXPECT_EQ(Painted(keyed), c.painted);
    }

    // A source origin left of the source moves the destination along.
    TPixelBuffer dst = Filled(10, 10, 0);
    PixBlendBlit(dst, 0, 0, 10, 10, src, -2, 0, 10, 10, Everything());
    EXPECT_EQ(PixGetPixel(dst, 1, 0), 0);
    EXPECT_EQ(PixGetPixel(dst, 2, 0), ColourAt(0, 0));
    EXPECT_EQ(PixGetPixel(dst, 5, 3), ColourAt(3, 3));
}

TEST(PixelBlit, KeyedCopySkipsTheKeyColourAndIgnoresAlpha)
{
    constexpr uint32_t kKey = 0xFF00FF;
    TPixelBuffer src = Filled(3, 1, 0x102030, 0);
    PixSetPixel(src, 1, 0, kKey);
    PixSetPixel(src, 2, 0, kKey - 1);  // one step off the key is copied
    TPixelBuffer dst = Filled(3, 1, 0x777777);
    PixKeyedBlit(dst, 0, 0, 3, 1, src, 0, 0, 3, 1, Everything(), kKey);
    EXPECT_EQ(PixGetPixel(dst, 0, 0), 0x102030);
    EXPECT_EQ(PixGetPixel(dst, 1, 0), 0x777777);
    EXPECT_EQ(PixGetPixel(dst, 2, 0), kKey - 1);
}

TEST(PixelBlit, EmptyBuffersAreLeftAlone)
{
    TPixelBuffer dst = Filled(2, 2, 0);
    PixBlendBlit(dst, 0, 0, 2, 2, TPixelBuffer{}, 0, 0, 2, 2, Everything());
    PixKeyedBlit(dst, 0, 0, 2, 2, TPixelBuffer{}, 0, 0, 2, 2, Everything(), 0);
    EXPECT_EQ(Painted(dst), 0);
    TPixelBuffer empty;
    PixBlendBlit(empty, 0, 0, 2, 2, Numbered(2, 2), 0, 0, 2, 2, Everything());
    EXPECT_EQ(empty.width, 0);
}

TEST(PixelBlit, TintHalvesEveryPixelButTheKey)
{
    constexpr uint32_t kKey = 0x00FF00;
    TPixelBuffer buffer = Filled(3, 2, MakeColour(201, 100, 7));
    PixSetPixel(buffer, 1, 1, kKey);
    PixTint(buffer, 1, 0, 2, 2, kKey, MakeColour(51, 0, 255));
    EXPECT_EQ(PixGetPixel(buffer, 0, 0), MakeColour(201, 100, 7));  // outside the rectangle
    EXPECT_EQ(PixGetPixel(buffer, 2, 0), MakeColour(125, 50, 130));
    EXPECT_EQ(PixGetPixel(buffer, 1, 1), kKey);
}

}  // namespace
}  // namespace kirvo
