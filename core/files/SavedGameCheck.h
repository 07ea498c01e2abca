// What a saved game that decodes must also be before a game is resumed from it.
//
// Decoding takes every field as the file gives it. The play code then computes with them: source
// boxes index the picture and mask, positions and pocket boxes are added to sizes. A file the game
// wrote always passes; a damaged or hand-made one is
// refused here, naming the first problem, before anything uses it.
#pragma once

#include "base/Result.h"
#include "files/SavedGame.h"

namespace kirvo {

// Positions and pocket edges lie within this distance of the field's origin; sizes added to them
// then stay far from overflowing.
inline constexpr int kFarthestPosition = 1 << 20;

// A game read in Start mode. What resuming works out again is not checked: the turned source
// position and bounding box of the pieces, and their edge slots.
Result<> CheckSavedGame(const SavedGame& game);

}  // namespace kirvo
