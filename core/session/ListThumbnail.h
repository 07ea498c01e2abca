// List thumbnails of the jigsaw browser: the 180 x 135 pictures its grid shows for jigsaw files and
// saved games, the placeholder shown until one is made, and the fitted drawing they share with the
// preview of the selected entry.
#pragma once

#include <cstdint>

#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kListThumbWidth = 180;
inline constexpr int kListThumbHeight = 135;

// Where a w x h picture goes in a targetW x targetH area. A picture larger than the area on
// either axis is fitted keeping its proportions: d = targetH * w / h; when d is wider than the
// area the size is targetW x (h * targetW / w), else d x targetH (never less than 1 x 1). A picture
// that fits keeps its size. The rectangle is centred in the area. An empty picture gives the empty
// box.
TBox FitRectangle(int targetW, int targetH, int w, int h);

// The preview of the selected entry: target becomes a fresh 24-bit W x H picture filled with
// background, with the source placed as FitRectangle says (scaled bilinearly when its size
// changes, copied as it is otherwise). The overlay, when given, is copied over the top-left corner
// of the placed picture: one pixel above and left of it, or at 0 on an axis where the picture
// touches the edge.
void FitDraw(TPixelBuffer& target, int W, int H, const TPixelBuffer* overlay, uint32_t background,
             const TPixelBuffer& source);

// The list picture of a preview: white, the preview fitted and centred, and saveIcon (the 16 x 16
// mark of a saved game, or null) over its corner as FitDraw places it. Always 24 bits.
TPixelBuffer RenderListThumbnail(const TPixelBuffer& preview, const TPixelBuffer* saveIcon);

// The picture shown until a file's thumbnail is made: white with a one-pixel dark blue frame from
// (2, 2) to (177, 132).
TPixelBuffer PlaceholderThumbnail();

}  // namespace kirvo
