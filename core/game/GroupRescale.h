// Keeps groups at the same relative places when the field changes size (full-screen switches).
#pragma once

#include "game/GameState.h"

namespace kirvo {

// Moves every group of the window (0, 1 = sides, 2 to 5 = pockets) so that the centre of its
// bounding box keeps its proportion of the field: from oldWidth x oldHeight to newWidth x
// newHeight. An old size of 0 leaves that axis alone.
void RescaleGroups(GameState& state, int window, int oldWidth, int oldHeight, int newWidth, int newHeight);

}  // namespace kirvo
