#include "cutting/PieceBits.h"

#include <gtest/gtest.h>

#include "base/Random.h"

namespace kirvo {
namespace {

// A mask of values 0 to 2 in every byte at random, so that a value in the green or red byte, or in
// the blue byte of a neighbour, shows when it is taken for the pixel's own; boxes of many widths,
// at every offset from the row's start, read against the pixels one by one.
TEST(PieceBits, EveryPixelOfTheBoxAndNoOther)
{
    TPixelBuffer mask;
    PixCreate24(mask, 150, 12);
    Random random(7);
    for (int at = 0; at < mask.size; ++at)
        mask.bits[at] = uint8_t(random(3));
    PieceBits bits;
    for (const int width : {1, 7, 8, 9, 16, 63, 64, 65, 130})
        for (int left = 0; left < 20 && left + width <= mask.width; ++left) {
            const PieceArea box {left, 2, left + width - 1, 9};
            LoadPieceBits(bits, mask, box, 1, 3);
            int wrong = 0;
            for (int y = box.top - 1; y <= box.bottom + 3; ++y)
                for (int x = box.left; x < box.left + 64 * bits.words; ++x) {
                    const bool own = Contains(box, x, y) && PixAddress(mask, x, y)[0] == 1;
                    const int w = (x - box.left) / 64;
                    wrong += (PieceBits::Word(bits.Row(y), w, 0) >> ((x - box.left) % 64) & 1) != uint64_t(own);
                }
            EXPECT_EQ(wrong, 0) << "width " << width << " from " << left;
        }
}

}  // namespace
}  // namespace kirvo
