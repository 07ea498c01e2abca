#include "game/MaskValue.h"

#include <gtest/gtest.h>

#include "game/TurnedBuffers.h"

namespace kirvo {
namespace {

// A 13 x 7 mask with its margin, not square, each pixel's value differing from its neighbours',
// so a swapped or mirrored axis shows; relief and green hold values that must not be read.
void NumberMask(GameState& state)
{
    TPixelBuffer& mask = state.buffers[kMaskBuffer];
    PixCreate24(mask, 13 + kMaskMargin, 7 + kMaskMargin);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            uint8_t* pixel = PixAddress(mask, x, y);
            pixel[0] = uint8_t(1 + x + 20 * y);
            pixel[1] = 9;
            pixel[2] = 77;
        }
}

// Every point of every turned mask, margins and one pixel beyond included, reads the same value
// through the upright mask as from the turned buffer.
TEST(MaskValueAt, MatchesTurnedBuffers)
{
    GameState state;
    NumberMask(state);
    MakeTurnedBuffers(state);
    for (int r = 0; r < 4; ++r) {
        const TPixelBuffer& turned = state.buffers[kMaskBuffer + r];
        for (int y = -1; y <= turned.height; ++y)
            for (int x = -1; x <= turned.width; ++x) {
                const int64_t pixel = PixGetPixel(turned, x, y);
                const int expected = pixel < 0 ? -1 : int(uint8_t(pixel >> 16));
                ASSERT_EQ(MaskValueAt(state, r, x, y), expected) << "rotation " << r << " at " << x << ", " << y;
            }
    }
}

// The effects start each turned mask from the upright values alone: the turned values, no relief
// anywhere, green clear, the margin's value 0.
TEST(MaskValueAt, FlatTurnedMasksHoldTheTurnedValuesAndNoRelief)
{
    GameState state;
    NumberMask(state);
    for (int r = 1; r < 4; ++r) {
        MakeFlatTurnedMask(state, r);
        const TPixelBuffer& turned = state.buffers[kMaskBuffer + r];
        const MaskSize size = TurnedMaskSize(state, r);
        ASSERT_EQ(turned.width, size.width);
        ASSERT_EQ(turned.height, size.height);
        for (int y = 0; y < turned.height; ++y)
            for (int x = 0; x < turned.width; ++x) {
                const uint8_t* pixel = PixAddress(turned, x, y);
                ASSERT_EQ(pixel[0], MaskValueAt(state, r, x, y)) << "rotation " << r << " at " << x << ", " << y;
                ASSERT_EQ(pixel[1], 0);
                ASSERT_EQ(pixel[2], 128);
            }
    }
}

}  // namespace
}  // namespace kirvo
