// Picture shapes: a silhouette from the shape library, rewritten record by record for the cell it
// becomes: recoloured to the piece's colour, mirrored, turned.
//
// W and H below are the shape's width and height in pixels, from the header's bounds. Mirroring
// and turning move the points of the poly-Bezier, polygon, polyline and poly-Bezier-to records
// (both point forms), move-to and line-to, and nothing else; points that leave the 16-bit range
// are held at its edge. The bounds each poly record carries are left as they were: the drawing
// reads only the header's.
#pragma once

#include <cstdint>

#include "raster/Metafile.h"

namespace kirvo {

// Sets the colour of every set-pixel, text colour, background colour, pen, extended pen, brush
// and flood-fill record to colour, so that the shape draws as a solid silhouette in it.
void RecolourShape(Metafile& shape, uint32_t colour);

// Point (x, y) becomes (W - x - 1, y) left to right and (x, H - y - 1) top to bottom; the
// header's bounds become (0, 0, W, H) and its frame that size in hundredths of a millimetre.
void MirrorShape(Metafile& shape, bool leftToRight, bool topToBottom);

// Turns the shape by degrees, clockwise on the screen (y points down), and returns its turned size:
// the extent of the four turned corners of (0, 0, W - 1, H - 1). Each point stands for a pixel;
// the pixel's centre is turned about the corner where pixel (W div 2, H div 2) meets its upper
// left neighbour (the middle of an even size), moved by half the growth of the size, and the
// point becomes the nearest pixel. For even sizes a quarter turn takes (x, y) to (H - 1 - y, x),
// as PixRotate90 turns a picture. The header's bounds become (0, 0) to the turned size, its frame
// the same in hundredths of a millimetre.
MetafileSize RotateShape(Metafile& shape, double degrees);

}  // namespace kirvo
