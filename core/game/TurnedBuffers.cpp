#include "game/TurnedBuffers.h"

#include <thread>

namespace kirvo {

bool KeepsTurnedPictures(const Descriptor& descriptor)
{
    const int64_t pixels = int64_t(descriptor.ImageW) * descriptor.ImageH;
    return descriptor.TotalTileNum > 0 && pixels / descriptor.TotalTileNum >= kTurnedPictureArea;
}

void MakeTurnedBuffers(GameState& state, const ProgressStep& step)
{
    // The masks turn on a second thread while this one turns the picture: the two share nothing.
    // The steps are all taken here, the masks' once they are done.
    std::jthread masks([&state] { MakeTurnedMasks(state); });
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

bool HasTurnedMasks(const GameState& state)
{
    return state.buffers[kMaskBuffer + 1].width > 0;
}

}  // namespace kirvo
