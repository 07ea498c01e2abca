// Edge pieces: the pieces with a side on the outside of the picture, which players of large
// puzzles look for first. A piece counts while it is loose: alone in its group, so neither joined
// to the frame nor to any other piece, and not under the weight.
//
// With a frame, a piece is an edge piece when the cut lists the frame among its neighbours: just
// the pieces that can join the frame. Without one, when it owns a pixel of the picture's outermost
// rows or columns in the mask.
#pragma once

#include <vector>

#include "base/Random.h"
#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// The loose edge pieces in any window, by index.
std::vector<int> LooseEdgePieces(const GameState& state);

// Where the edge pieces go: the current window when it is a pocket; from a side, the first pocket
// already holding loose edge pieces, else the first empty one. kNoWindow when every pocket holds
// other pieces: the player must then pick one.
int EdgePocket(const GameState& state, const PlayWindows& windows);

// Moves every loose edge piece, from wherever it lies, into the pocket and lays them out in rows
// below what the pocket already holds, shuffled by the game's generator, no two boxes
// overlapping; the rows close up only when the pocket's largest room cannot hold them otherwise.
// Shows the pocket and makes it current, marks the game changed and asks for a full redraw.
// False when there is no loose edge piece: then nothing changes.
bool EdgePiecesToPocket(GameState& state, PlayWindows& windows, int pocket, Random& random);

// Selects the loose edge pieces of the current window where they lie; they come to the top. False
// when none lies there: then nothing is selected.
bool SelectEdgePieces(GameState& state, PlayWindows& windows);

}  // namespace kirvo
