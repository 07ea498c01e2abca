// The turned masks read through the upright mask: a point's mask value and the turned size.
//
// A turned mask holds the picture's part of the upright mask turned r quarter turns clockwise,
// with a black margin of kMaskMargin at its right and bottom. Mapping the point back keeps one
// copy of the values for every rotation, so the turned masks need not be held while pieces are
// drawn from their runs.
#pragma once

#include "game/GameState.h"

namespace kirvo {

struct MaskSize {
    int width = 0;
    int height = 0;
};

// The value at (x, y) of the mask turned `rotation` quarter turns; 0 in its margin, -1 outside.
int MaskValueAt(const GameState& state, int rotation, int x, int y);
// The size of the mask turned `rotation` quarter turns, margin included, whether or not that
// turned mask is held.
MaskSize TurnedMaskSize(const GameState& state, int rotation);

}  // namespace kirvo
