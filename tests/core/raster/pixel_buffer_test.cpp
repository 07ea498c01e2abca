#include "raster/PixelBuffer.h"

#include <gtest/gtest.h>

#include <array>

namespace kirvo {
namespace {

// A buffer whose every pixel has its own colour, so that misplaced copies show.
TPixelBuffer Numbered(int width, int height, bool alpha = false)
{
    TPixelBuffer buffer;
    alpha ? PixCreate32(buffer, width, height) : PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, MakeColour(x, y, 7));
    return buffer;
}

TEST(PixelBuffer, StrideIsTheRowLengthRoundedUpToFourBytes)
{
    struct Case {
        int width;
        int bytesPerPixel;
        int stride;
    };
    for (Case c : {Case{1, 3, 4}, Case{5, 3, 16}, Case{4, 3, 12}, Case{1, 4, 4}, Case{3, 4, 12}}) {
        SCOPED_TRACE(testing::Message() << c.width << " pixels, " << c.bytesPerPixel << " bytes each");
        TPixelBuffer buffer;
        c.bytesPerPixel == 3 ? PixCreate24(buffer, c.width, 3) : PixCreate32(buffer, c.width, 3);
        EXPECT_EQ(buffer.stride, c.stride);
        EXPECT_EQ(buffer.size, c.stride * 3);
        EXPECT_EQ(buffer.hasAlpha, c.bytesPerPixel == 4);
    }
}

TEST(PixelBuffer, NewBufferIsBlackAndRecreatingReplacesIt)
{
    TPixelBuffer buffer;
    PixCreate32(buffer, 3, 2);
    for (int i = 0; i < buffer.size; ++i)
        ASSERT_EQ(buffer.bits[i], 0) << "byte " << i;

    PixCreate24(buffer, 5, 4);
    EXPECT_EQ(buffer.width, 5);
    EXPECT_EQ(buffer.bytesPerPixel, 3);
    EXPECT_FALSE(buffer.hasAlpha);

    PixCreate24(buffer, 0, 4);
    EXPECT_EQ(buffer.width, 0);
    EXPECT_EQ(buffer.size, 0);
}

TEST(PixelBuffer, PixelsAreStoredBlueGreenRedInTopDownRows)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, 2, 3);
    PixSetPixel(buffer, 1, 2, 0x563412);
    const uint8_t* pixel = buffer.bits + 2 * buffer.stride + 3;
    EXPECT_EQ(pixel, PixAddress(buffer, 1, 2));
    EXPECT_EQ(pixel[0], 0x56);
    EXPECT_EQ(pixel[1], 0x34);
    EXPECT_EQ(pixel[2], 0x12);
    EXPECT_EQ(PixGetPixel(buffer, 1, 2), 0x563412);
}

TEST(PixelBuffer, ReadsOutsideGiveTheirSentinels)
{
    TPixelBuffer rgb = Numbered(4, 3);
    TPixelBuffer rgba = Numbered(4, 3, true);
    PixAddress(rgba, 2, 1)[3] = 77;
    for (auto [x, y] : std::array<std::pair<int, int>, 4>{{{-1, 0}, {4, 0}, {0, 3}, {0, -1}}}) {
        SCOPED_TRACE(testing::Message() << "at " << x << ", " << y);
        EXPECT_EQ(PixGetPixel(rgb, x, y), -1);
        EXPECT_EQ(PixGetAlpha(rgb, x, y), 0);
        EXPECT_EQ(PixGetAlpha(rgba, x, y), 0);
    }
    EXPECT_EQ(PixGetPixel(rgb, 3, 2), MakeColour(3, 2, 7));
    EXPECT_EQ(PixGetAlpha(rgb, 3, 2), 255);
    EXPECT_EQ(PixGetAlpha(rgba, 2, 1), 77);
    EXPECT_EQ(PixGetPixel(TPixelBuffer{}, 0, 0), -1);
}

TEST(PixelBuffer, AttachedViewAddressesForeignMemory)
{
    std::array<uint8_t, 24> memory{};  // 2 x 2 pixels of 4 bytes, rows 12 bytes apart
    memory[12 + 4] = 0xAA;             // blue of (1, 1)
    memory[12 + 7] = 200;              // alpha of (1, 1)
    TPixelBuffer view;
    EXPECT_TRUE(PixAttach(memory.data(), 2, 2, 4, 12, view));
    EXPECT_EQ(view.size, 24);
    EXPECT_EQ(PixGetPixel(view, 1, 1), 0xAA0000);
    EXPECT_EQ(PixGetAlpha(view, 1, 1), 200);
    EXPECT_EQ(view.owned, nullptr);

    PixSetPixel(view, 0, 0, 0x010203);
    EXPECT_EQ(memory[2], 0x03);
    PixFree(view);
    EXPECT_EQ(view.width, 0);
}

TEST(PixelBuffer, MovedBufferKeepsItsPixels)
{
    TPixelBuffer from = Numbered(3, 3);
    const uint8_t* bits = from.bits;
    TPixelBuffer to = std::move(from);
    EXPECT_EQ(to.bits, bits);
    EXPECT_EQ(PixGetPixel(to, 2, 1), MakeColour(2, 1, 7));
}

TEST(PixelBuffer, CopyRectIsClippedToBothBuffers)
{
    TPixelBuffer src = Numbered(4, 4);
    TPixelBuffer dst;
    PixCreate24(dst, 5, 5);
    // Starts left of the source and runs past the bottom of the destination.
    PixCopyRect(dst, 2, 3, 4, 9, src, -1, 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            bool copied = x >= 3 && y >= 3;
            EXPECT_EQ(PixGetPixel(dst, x, y), copied ? MakeColour(x - 3, y - 3, 7) : 0) << x << ", " << y;
        }
}

TEST(PixelBuffer, CopyRectConvertsBetweenDepthsAndKeepsAlphaBetweenSprites)
{
    TPixelBuffer sprite = Numbered(2, 2, true);
    PixAddress(sprite, 1, 1)[3] = 90;

    TPixelBuffer flat;
    PixCreate24(flat, 2, 2);
    PixCopyRect(flat, 0, 0, 2, 2, sprite, 0, 0);
    EXPECT_EQ(PixGetPixel(flat, 1, 1), MakeColour(1, 1, 7));

    TPixelBuffer other;
    PixCreate32(other, 2, 2);
    PixCopyRect(other, 0, 0, 2, 2, sprite, 0, 0);
    EXPECT_EQ(PixGetAlpha(other, 1, 1), 90);

    TPixelBuffer back;
    PixCreate32(back, 2, 2);
    PixFillRect(back, 0, 0, 2, 2, 0);
    PixAddress(back, 0, 0)[3] = 33;
    PixCopyRect(back, 0, 0, 2, 2, flat, 0, 0);
    EXPECT_EQ(PixGetPixel(back, 1, 1), MakeColour(1, 1, 7));
    EXPECT_EQ(PixGetAlpha(back, 0, 0), 33);
}

TEST(PixelBuffer, CopyRectWithinOneBufferHandlesOverlap)
{
    // Scrolling down by one row reads each source row before it is overwritten.
    TPixelBuffer buffer = Numbered(3, 4);
    PixCopyRect(buffer, 1, 1, 2, 3, buffer, 0, 0);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 3; ++x)
            EXPECT_EQ(PixGetPixel(buffer, x, y), MakeColour(x - 1, y - 1, 7)) << x << ", " << y;

    buffer = Numbered(3, 4);
    PixCopyRect(buffer, 0, 0, 2, 3, buffer, 1, 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(PixGetPixel(buffer, x, y), MakeColour(x + 1, y + 1, 7)) << x << ", " << y;
}

TEST(PixelBuffer, FromBitmapMakesAFlatCopyEvenOfItself)
{
    TPixelBuffer sprite = Numbered(3, 2, true);
    TPixelBuffer copy;
    PixFromBitmap(copy, sprite);
    EXPECT_EQ(copy.bytesPerPixel, 3);
    EXPECT_EQ(PixGetPixel(copy, 2, 1), MakeColour(2, 1, 7));

    PixFromBitmap(sprite, sprite);
    EXPECT_EQ(sprite.bytesPerPixel, 3);
    EXPECT_EQ(PixGetPixel(sprite, 2, 1), MakeColour(2, 1, 7));
}

}  // namespace
}  // namespace kirvo
