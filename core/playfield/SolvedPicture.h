// The solved picture: the assembled puzzle as the player keeps it in a file, with room for its
// caption beneath.
//
// Every piece is copied through its mask from the unturned picture to its own place in the
// picture, so the pieces re-form the picture whichever way the assembled puzzle lies on the field;
// the frame piece of a border puzzle brings the picture's outer band. Selected pieces come out
// inverted, as on the field. A one-pixel black margin runs round the picture and between the
// white caption bands below it, which the Qt layer writes into.
#pragma once

#include <span>

#include "game/GameState.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kSolvedBandHeight = 24;  // a band of one line

// A 24-bit picture of (ImageW + 2) x (ImageH + 2) and a band of each height below it, each
// followed by a black line. Parts of pieces outside the buffers (a damaged saved game) are left
// black.
TPixelBuffer DrawSolvedPicture(const GameState& state, std::span<const int> bandHeights);

// The white band: ImageW wide at x = 1, below the picture and the bands before it.
TBox SolvedCaptionBand(const Descriptor& descriptor, std::span<const int> bandHeights, int band);

}  // namespace kirvo
