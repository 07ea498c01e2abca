// The turned copies of the picture and the mask that pieces in rotations 1 to 3 are drawn from.
#pragma once

#include "base/ProgressStep.h"
#include "game/GameState.h"

namespace kirvo {

// Buffers 1 to 3 and 5 to 7: the picture and the mask turned one quarter turn at a time, the
// mask keeping its margin at the right and bottom, the mask on a second thread. One step per
// buffer, all on the calling thread.
void MakeTurnedBuffers(GameState& state, const ProgressStep& step = {});
void FreeTurnedBuffers(GameState& state);
// Buffers 5 to 7 alone, turned from the upright mask as it is now, relief included. Pieces drawn
// from their runs need no turned mask, so the effects free them once the runs are made.
void MakeTurnedMasks(GameState& state);
void FreeTurnedMasks(GameState& state);
bool HasTurnedMasks(const GameState& state);

}  // namespace kirvo
