// Spreading the loose pieces of a window over the virtual field: on an even grid in shuffled
// order, or at random places. Pieces joined to others and the frame piece stay where they are.
//
// Every position comes from the game's generator, so the same seed spreads the same way.
#pragma once

#include "base/Random.h"
#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

enum class SpreadLayout { Random, Grid };

// Sets x and y of every piece of the window that is alone in its group.
void SpreadPieces(GameState& state, const PlayWindows& windows, int window, SpreadLayout layout, Random& random);

}  // namespace kirvo
