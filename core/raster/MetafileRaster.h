// Drawing an enhanced metafile into a rectangle of a pixel buffer as a hard-edged silhouette:
// every pixel either takes a pen, brush or set-pixel colour whole or is left as it was.
//
// The header's bounds are stretched over the rectangle: metafile point (x, y) lands at
// (rectX + (x - left) * rectW / (right - left), rectY + (y - top) * rectH / (bottom - top)), so a
// polygon along the bounds covers exactly the rectangle. What is drawn:
//   - polygons, and the figures of a path on fill-path or stroke-and-fill-path, are filled with
//     the brush; a pixel is filled when its centre lies inside, by the nonzero winding rule, so
//     figures drawn the same way round fill their union;
//   - polylines, Bezier curves and line-to outside a path, and the path on stroke-path or
//     stroke-and-fill-path, are stroked one pixel wide with the pen;
//   - set-pixel colours its pixel.
// Bezier curves are flattened into lines about two pixels long. Polygons are not outlined: an
// outline would only stick out a pixel at the right and bottom of the silhouette. Flood fills are
// not drawn: on a shared canvas a flood could spread far past the rectangle. The pen starts
// black, the brush white; the stock white, grey, black and null pens and brushes can be selected.
// Everything is clipped to the buffer.
#pragma once

#include "raster/Metafile.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

void DrawMetafile(TPixelBuffer& buffer, const Metafile& metafile, int x, int y, int w, int h);

}  // namespace kirvo
