// The solved picture: the assembled puzzle as the player keeps it in a file, with room for two
// caption lines beneath.
//
// Every piece is copied through its mask from the unturned picture to its own place in the
// picture, so the pieces re-form the picture whichever way the assembled puzzle lies on the field;
// the frame piece of a border puzzle brings the picture's outer band. Selected pieces come out
// inverted, as on the field. A one-pixel black margin runs round the picture and between the
// two white caption bands below it, which the Qt layer writes into.
#pragma once

#include "game/GameState.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kSolvedCaptionLines = 2;
inline constexpr int kSolvedBandHeight = 24;

// A 24-bit picture of (ImageW + 2) x (ImageH + 52). Parts of pieces outside the buffers (a
// damaged saved game) are left black.
TPixelBuffer DrawSolvedPicture(const GameState& state);

// The white band of caption line 0 or 1: ImageW x 24 at (1, ImageH + 2 + 25 * line).
TBox SolvedCaptionBand(const Descriptor& descriptor, int line);

}  // namespace kirvo
