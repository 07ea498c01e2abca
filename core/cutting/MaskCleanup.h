// Mask cleanup: closes the white holes a piece's outline left in or beside its region.
#pragma once

#include <cstdint>

#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// Walks the box (clipped to the imageW x imageH picture) row by row on the line canvas. A white
// pixel strictly inside the box whose four direct neighbours all have the colour takes it; one
// with at least one such neighbour is flood-filled with it, white region and all. Returns the box
// of the colour's pixels seen in the box and of every pixel the cleanup coloured; empty when there
// are none.
TBox CleanMask(TPixelBuffer& canvas, int imageW, int imageH, uint32_t colour, const TBox& box);

}  // namespace kirvo
