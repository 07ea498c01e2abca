#include "game/TurnedBuffers.h"

namespace kirvo {

void MakeTurnedBuffers(GameState& state, const ProgressStep& step)
{
    for (int r = 1; r <= 3; ++r) {
        PixRotate90Banded(state.buffers[kMaskBuffer + r], state.buffers[kMaskBuffer + r - 1], kMaskMargin);
        Step(step);
    }
}

void FreeTurnedBuffers(GameState& state)
{
    for (int r = 1; r <= 3; ++r)
        PixFree(state.buffers[kMaskBuffer + r]);
}

}  // namespace kirvo
