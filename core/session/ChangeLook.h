// Changing how the pieces look while a game is in play (the Options dialog): the relief is worked
// out again only when the emboss style changed, the bands always.
#pragma once

#include "base/ProgressStep.h"
#include "game/GameState.h"
#include "game/PieceLook.h"

namespace kirvo {

// Progress steps: one, two when a style is switched on, five when moreover rotation is on.
int ChangeLookStepCount(const PieceLook& from, const PieceLook& to, bool rotate);

void ChangeLook(GameState& state, const PieceLook& look, const ProgressStep& step = {});

}  // namespace kirvo
