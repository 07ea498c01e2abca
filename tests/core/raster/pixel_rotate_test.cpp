#include "raster/PixelBuffer.h"
#include "raster/TurnedView.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace kirvo {
namespace {

// Every pixel gets its own colour, so that a misplaced pixel shows.
uint32_t ColourAt(int x, int y) { return MakeColour(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8) + 1); }

TPixelBuffer Numbered(int width, int height, bool alpha = false)
{
    TPixelBuffer buffer;
    alpha ? PixCreate32(buffer, width, height) : PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, ColourAt(x, y));
    return buffer;
}

TEST(PixelRotate, ThreeByTwoTurnsClockwise)
{
    TPixelBuffer dst;
    PixRotate90(dst, Numbered(3, 2));
    ASSERT_EQ(dst.width, 2);
    ASSERT_EQ(dst.height, 3);
    EXPECT_EQ(dst.bytesPerPixel, 3);
    EXPECT_EQ(PixGetPixel(dst, 1, 0), ColourAt(0, 0));  // top-left goes to top-right
    EXPECT_EQ(PixGetPixel(dst, 1, 2), ColourAt(2, 0));
    EXPECT_EQ(PixGetPixel(dst, 0, 0), ColourAt(0, 1));
    EXPECT_EQ(PixGetPixel(dst, 0, 2), ColourAt(2, 1));
}

TEST(PixelRotate, EveryPixelLandsWhereItShould)
{
    // Sizes on either side of the copy's internal tiling, and a 32-bit source.
    struct Case {
        int width;
        int height;
        bool alpha;
    };
    for (Case c : {Case{1, 1, false}, Case{70, 45, false}, Case{33, 97, true}, Case{300, 2, false}}) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        TPixelBuffer src = Numbered(c.width, c.height, c.alpha);
        TPixelBuffer dst;
        PixRotate90(dst, src);
        ASSERT_EQ(dst.width, c.height);
        ASSERT_EQ(dst.height, c.width);
        ASSERT_EQ(dst.bytesPerPixel, 3);
        int wrong = 0;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                wrong += PixGetPixel(dst, c.height - 1 - y, x) != ColourAt(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PixelRotate, FourTurnsInPlaceGiveTheOriginalBack)
{
    TPixelBuffer buffer = Numbered(37, 21);
    for (int turn = 0; turn < 4; ++turn)
        PixRotate90(buffer, buffer);
    ASSERT_EQ(buffer.width, 37);
    int wrong = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x)
            wrong += PixGetPixel(buffer, x, y) != ColourAt(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST(PixelRotate, BandedTurnKeepsABlackBandRightAndBottom)
{
    // The source's own band is coloured: it must not be turned into the picture.
    TPixelBuffer src = Numbered(6, 4);
    TPixelBuffer dst;
    PixRotate90Banded(dst, src, 1);
    ASSERT_EQ(dst.width, 4);
    ASSERT_EQ(dst.height, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x) {
            bool band = x == 3 || y == 5;
            // The turned part is the top-left 5 x 3 of the source: (sx, sy) -> (2 - sy, sx).
            int64_t expected = band ? 0 : ColourAt(y, 2 - x);
            EXPECT_EQ(PixGetPixel(dst, x, y), expected) << x << ", " << y;
        }
}

TEST(PixelRotate, BandWiderThanThePictureLeavesItBlack)
{
    TPixelBuffer dst;
    PixRotate90Banded(dst, Numbered(3, 2), 5);
    ASSERT_EQ(dst.width, 2);
    ASSERT_EQ(dst.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(PixGetPixel(dst, x, y), 0);
}

// The turned buffer is made without clearing its memory first: memory just freed with every byte
// set must not show through in the band nor in the bytes that pad each row.
TEST(PixelRotate, MemoryReusedFromADirtyBufferLeavesNoTrace)
{
    for (int band : {0, 2}) {
        SCOPED_TRACE(testing::Message() << "band " << band);
        const TPixelBuffer src = Numbered(7, 5);
        {
            TPixelBuffer dirty;
            PixCreate24(dirty, 5, 7);  // the turned size: 15 bytes a row padded to 16
            std::memset(dirty.bits, 0xFF, size_t(dirty.size));
        }
        TPixelBuffer dst;
        band == 0 ? PixRotate90(dst, src) : PixRotate90Banded(dst, src, band);
        ASSERT_EQ(dst.stride, 16);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool inBand = x >= 5 - band || y >= 7 - band;
                EXPECT_EQ(PixGetPixel(dst, x, y), inBand ? 0 : ColourAt(y, 4 - band - x)) << x << ", " << y;
            }
            EXPECT_EQ(PixRow(dst, y)[15], 0) << "padding of row " << y;
        }
    }
}

// A view must read exactly what the turned copy holds, row by row and with the selection's
// inversion: widths whose rows are padded, and a single pixel.
TEST(TurnedView, ReadsWhatTheTurnedCopyHolds)
{
    for (auto [width, height] : {std::pair{7, 5}, std::pair{1, 1}, std::pair{2, 9}}) {
        const TPixelBuffer upright = Numbered(width, height);
        TPixelBuffer turned = Numbered(width, height);
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(testing::Message() << width << " x " << height << ", " << r << " turns");
            const TurnedView view = TurnedViewOf(upright, r);
            ASSERT_EQ(view.width, turned.width);
            ASSERT_EQ(view.height, turned.height);
            for (uint8_t invert : {uint8_t(0), uint8_t(0xFF)})
                for (int y = 0; y < view.height; ++y)
                    for (int x = 0; x < view.width; ++x) {
                        std::vector<uint8_t> row(3 * size_t(view.width - x));
                        CopyTurnedRow(row.data(), view, x, y, view.width - x, invert);
                        for (size_t i = 0; i < row.size(); ++i)
                            ASSERT_EQ(row[i], PixAddress(turned, x, y)[i] ^ invert) << x << ", " << y;
                    }
            PixRotate90(turned, turned);
        }
    }
}

TEST(TurnedView, EmptyBufferGivesAnEmptyView)
{
    const TPixelBuffer empty;
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(TurnedViewOf(empty, r).width, 0);
        EXPECT_EQ(TurnedViewOf(empty, r).height, 0);
    }
}

}  // namespace
}  // namespace kirvo
