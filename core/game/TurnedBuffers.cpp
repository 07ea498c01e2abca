#include "game/TurnedBuffers.h"

#include <cassert>
#include <thread>

#include "game/MaskValue.h"

namespace kirvo {

bool KeepsTurnedPictures(const Descriptor& descriptor)
{
    const int64_t pixels = int64_t(descriptor.ImageW) * descriptor.ImageH;
    return descriptor.TotalTileNum > 0 && pixels / descriptor.TotalTileNum >= kTurnedPictureArea;
}

void MakeTurnedBuffers(GameState& state, const ProgressStep& step)
{
    // The masks turn on a second thread while this one turns the picture: the two share nothing.
    // With effects they are not turned here, since the effects make each as they emboss it; masks
    // held from the last game must go then, or they would be taken for this one's. The steps are
    // all taken here, the masks' once they are done.
    std::jthread masks([&state] {
        if (HasEffects(state.look))
            FreeTurnedMasks(state);
        else
            MakeTurnedMasks(state);
    });
    const bool pictures = KeepsTurnedPictures(state.descriptor);
    for (int r = 1; r <= 3; ++r) {
        if (pictures)
            PixRotate90(state.buffers[kPictureBuffer + r], state.buffers[kPictureBuffer + r - 1]);
        else
            PixFree(state.buffers[kPictureBuffer + r]);
        Step(step);
    }
    masks.join();
    for (int r = 1; r <= 3; ++r)
        Step(step);
}

void FreeTurnedBuffers(GameState& state)
{
    for (int r = 1; r <= 3; ++r)
        PixFree(state.buffers[kPictureBuffer + r]);
    FreeTurnedMasks(state);
}

void MakeTurnedMasks(GameState& state)
{
    for (int r = 1; r <= 3; ++r)
        PixRotate90Banded(state.buffers[kMaskBuffer + r], state.buffers[kMaskBuffer + r - 1], kMaskMargin);
}

void FreeTurnedMasks(GameState& state)
{
    for (int r = 1; r <= 3; ++r)
        PixFree(state.buffers[kMaskBuffer + r]);
}

void MakeFlatTurnedMask(GameState& state, int rotation)
{
    assert(rotation >= 1 && rotation <= 3);
    const MaskSize size = TurnedMaskSize(state, rotation);
    TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    PixCreate24Unfilled(mask, size.width, size.height);
    // Every pixel written once, the margin beyond the turned picture with value 0. In square
    // tiles, so that the upright rows a tile reads stay in the cache from one row of it to the next.
    constexpr int kTile = 64;
    const TurnedView values = TurnedMaskValues(state, rotation);
    for (int top = 0; top < mask.height; top += kTile)
        for (int left = 0; left < mask.width; left += kTile) {
            const int right = MinInt(left + kTile, mask.width);
            for (int y = top; y < MinInt(top + kTile, mask.height); ++y) {
                const int turned = y < values.height ? MaxInt(MinInt(right, values.width) - left, 0) : 0;
                uint8_t* out = PixAddress(mask, left, y);
                const uint8_t* in = turned > 0 ? values.At(left, y) : nullptr;
                int x = left;
                for (; x < left + turned; ++x, out += 3, in += values.stepX) {
                    out[0] = in[0];
                    out[1] = 0;
                    out[2] = 128;
                }
                for (; x < right; ++x, out += 3) {
                    out[0] = 0;
                    out[1] = 0;
                    out[2] = 128;
                }
            }
        }
}

TurnedView TurnedMaskValues(const GameState& state, int rotation)
{
    const TPixelBuffer& upright = state.buffers[kMaskBuffer];
    TPixelBuffer picturePart;
    PixAttach(upright.bits, upright.width - kMaskMargin, upright.height - kMaskMargin, 3, upright.stride, picturePart);
    return TurnedViewOf(picturePart, rotation);
}

bool HasTurnedMasks(const GameState& state)
{
    return state.buffers[kMaskBuffer + 1].width > 0;
}

}  // namespace kirvo
