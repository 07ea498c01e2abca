// Gathering: every piece goes back onto the first side, the pockets are emptied and hidden, and
// the pieces are pulled into the side's view. The largest group, when it holds at least half of
// the pieces and no weight is placed, goes to the bottom of the drawing order so that the
// gathered singles lie on top of it.
#pragma once

#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// The caller has asked the player, put the selection away and stopped carrying. Shows the first
// side, marks the game changed and asks for a full redraw.
void GatherPieces(GameState& state, PlayWindows& windows);

}  // namespace kirvo
