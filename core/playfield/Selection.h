// Selection: pieces picked out to move together, by a rectangle drawn on the field or all of a
// window at once. The weighted group is never selected. A selection moves without snapping.
#pragma once

#include "game/GameState.h"
#include "playfield/PlayWindow.h"
#include "raster/Box.h"

namespace kirvo {

// Selects every group of the current window that lies inside the rectangle (virtual-field
// coordinates, normalised): each of its pieces may stick out by less than a third of its size
// (20 pixels for the frame). True when anything is selected; selected groups come to the top.
bool SelectByRectangle(GameState& state, const TBox& rectangle);
// Every piece of the current window outside the weighted group.
bool SelectAll(GameState& state, PlayWindows& windows);
// Clears every selected flag, brings the current window's groups into view and marks the game
// changed even when nothing moves.
void ClearSelection(GameState& state, PlayWindows& windows);

}  // namespace kirvo
