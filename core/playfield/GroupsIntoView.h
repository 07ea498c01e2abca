// Bringing groups into view: moves every group of a window that lies (partly) outside the part of
// the virtual field the window can show, so the player can always reach it.
//
// Pulling (after a saved game is loaded or the field changed size) brings each group in until
// three quarters of each piece's extent lie inside and lets the frame stick out at most 40
// pixels; without pulling (after every drop) a group moves only when none of its pieces can still
// be grabbed, and just far enough that one can. A group always moves as a whole, by the shortest
// of its pieces' shifts.
#pragma once

#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

enum class Pulling { Off, On };

// The window's limits are the virtual field for a side and the visible field for a pocket.
// Groups are visited in drawing order (drawOrder, rebuilt first when it does not list every
// piece). A moved group updates a pocket's extent and asks for a full redraw; the game is marked
// changed in every case. True when any group moved.
bool BringGroupsIntoView(GameState& state, PlayWindows& windows, int window, Pulling pulling);
// After a drop: what was dropped (the piece's group, or every selected piece with selection set)
// moves as a whole, as little as it must, until it can be grabbed inside the window's client box
// as scrolled now, with the same grab sizes as BringGroupsIntoView without pulling. True when it
// moved.
bool PullDroppedIntoClient(GameState& state, PlayWindows& windows, int window, int piece, bool selection);

}  // namespace kirvo
