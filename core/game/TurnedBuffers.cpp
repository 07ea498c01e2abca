#include "game/TurnedBuffers.h"

#include <thread>

namespace kirvo {

void MakeTurnedBuffers(GameState& state, const ProgressStep& step)
{
    // The masks turn on a second thread while this one turns the picture: the two share nothing.
    // The steps are all taken here, the masks' once they are done.
    std::jthread masks([&state] { MakeTurnedMasks(state); });
    for (int r = 1; r <= 3; ++r) {
        PixRotate90(state.buffers[kPictureBuffer + r], state.buffers[kPictureBuffer + r - 1]);
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
