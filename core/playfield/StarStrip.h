// The join star: a strip of kStarSize-square frames at kStarStep-pixel steps, white (kStarKey)
// where transparent, drawn by code at start-up. Frames 0 to 4 grow a golden five-pointed star
// from a spark to a full burst.
#pragma once

#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kStarFrameCount = 5;

// 24-bit, kStarFrameCount frames wide.
TPixelBuffer DrawStarStrip();

}  // namespace kirvo
