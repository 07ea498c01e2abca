#include "session/ChangeLook.h"

#include "cutting/PieceEffects.h"

namespace kirvo {

int ChangeLookStepCount(const PieceLook& from, const PieceLook& to, bool rotate)
{
    const bool switchedOn = (from.embossStyle == kEmbossNone && to.embossStyle != kEmbossNone)
                         || (from.woodStyle == kWoodNone && to.woodStyle != kWoodNone);
    if (!switchedOn)
        return 1;
    return rotate ? 5 : 2;
}

void ChangeLook(GameState& state, const PieceLook& look, const ProgressStep& step)
{
    if (look.embossStyle != state.look.embossStyle) {
        const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
        for (int r = 0; r < rotations; ++r)
            ResetRelief(state.buffers[kMaskBuffer + r]);
    }
    Step(step);
    state.look = look;
    ApplyEffects(state, step);
}

}  // namespace kirvo
