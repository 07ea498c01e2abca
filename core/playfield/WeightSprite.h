// The weight sprite: the small iron weight the player carries with the mouse and sets on a group,
// drawn by code once as a 32-bit picture whose alpha is its coverage. A trapezoid body, lit from
// the left, under a ring handle; the anchor point (the mouse) lies near the middle of its base.
#pragma once

#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kWeightSpriteWidth = 40;
inline constexpr int kWeightSpriteHeight = 40;
inline constexpr int kWeightAnchorLift = 4;  // rows of the sprite below the anchor point

TPixelBuffer DrawWeightSprite();

}  // namespace kirvo
