// Mask smoothing (Despeckle): removes the stray pixels the outlines leave in the artistic cut's mask.
#pragma once

#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// In place on the line canvas, over the cut area. First the four boundary lines (top, bottom,
// left, right; each without its corners, forward then backward): a pixel whose next pixel shares
// its colour takes the previous pixel's colour when that one, the pixel's inward neighbour and the
// next pixel's inward neighbour all have one colour. Then every inner pixel, row by row, with at
// most one of its eight neighbours in its own colour takes the colour of the first three equal
// ring neighbours in a row (the ring from top-left clockwise, wrapping), else of the first equal
// pair, else keeps its own. The cut area must lie in the canvas; one under 3 x 3 pixels is left
// as it is.
void Despeckle(TPixelBuffer& canvas, const TBox& cutArea);

}  // namespace kirvo
