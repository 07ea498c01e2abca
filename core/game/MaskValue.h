// MaskValueAt: the mask value of a point in a turned mask, read from the upright mask.
//
// A turned mask holds the picture's part of the upright mask turned r quarter turns clockwise,
// with a black margin of kMaskMargin at its right and bottom. Mapping the point back keeps one
// copy of the values for every rotation.
#pragma once

#include "game/GameState.h"

namespace kirvo {

// The value at (x, y) of the mask turned `rotation` quarter turns; 0 in its margin, -1 outside.
int MaskValueAt(const GameState& state, int rotation, int x, int y);

}  // namespace kirvo
