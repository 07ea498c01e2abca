// Arranging the selection: the selected pieces that lie alone in their groups go, in shuffled
// order, onto a grid that starts at the top-left corner of the whole selection. Joined pieces and
// the frame piece stay where they are, and the selection stays.
#pragma once

#include "base/Random.h"
#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// The grid follows the proportions of the current window's room (the start field for a pocket,
// the virtual field for a side); a cell is a piece's mask square and one knob margin, shrunk
// when that many cells would not fit. The shuffle draws from the game's generator. False when no
// single piece is selected: then nothing changes. Otherwise the game is changed and the whole
// field is redrawn.
bool ArrangeSelection(GameState& state, PlayWindows& windows, Random& random);

}  // namespace kirvo
