// Completion: the puzzle is solved when every piece lies in one group, unturned. Then the
// assembled picture is centred in the visible field. Solved stays solved until another puzzle
// is opened.
#pragma once

#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// After every drop and turn. True only at the moment the puzzle becomes solved.
bool CheckCompletion(GameState& state, const PlayWindows& windows);

struct PuzzleProgress {
    int unsolved = -1;  // groups still apart; every piece while none are joined
    int percent = -1;
};

// Both -1 without a puzzle. Rebuilds the draw order.
PuzzleProgress Progress(GameState& state, bool puzzleLoaded);

}  // namespace kirvo
