// The turned copies of the mask that pieces in rotations 1 to 3 are found in. The picture is not
// copied: pieces read it through a TurnedView.
#pragma once

#include "base/ProgressStep.h"
#include "game/GameState.h"
#include "raster/TurnedView.h"

namespace kirvo {

// Buffers 5 to 7: the mask turned one quarter turn at a time, keeping its margin at the right and
// bottom. One step per buffer.
void MakeTurnedBuffers(GameState& state, const ProgressStep& step = {});
void FreeTurnedBuffers(GameState& state);

// The picture as pieces in the rotation see it.
inline TurnedView PictureView(const GameState& state, int rotation)
{
    return TurnedViewOf(state.buffers[kPictureBuffer], rotation);
}

}  // namespace kirvo
