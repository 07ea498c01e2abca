#include "cutting/PieceEffects.h"

#include <cassert>

#include "cutting/EdgeBands.h"
#include "game/DrawOrder.h"

namespace kirvo {

void ApplyEffects(GameState& state, const ProgressStep& step)
{
    state.look.edgeWidth = EdgeWidth(state.look.woodStyle, state.look.edgeWidth);
    SortDrawOrder(state, SortOrder::Ascending);
    // The edge buffers of the rotations in play are made afresh below, reusing their memory.
    const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
    for (int r = state.look.woodStyle == kWoodNone ? 0 : rotations; r < 4; ++r)
        FreeEdgeBuffer(state.edgeBuffers[size_t(r)]);
    if (state.look.embossStyle == kEmbossNone && state.look.woodStyle == kWoodNone)
        return;
    for (int r = 0; r < rotations; ++r) {
        EmbossPieces(state, r);
        Step(step);
    }
}

void EmbossPieces(GameState& state, int rotation)
{
    assert(rotation >= 0 && rotation <= 3);
    MakeEdgeBands(state, rotation);
    if (HasRelief(state.look.embossStyle))
        EmbossRelief(state, rotation);
}

}  // namespace kirvo
