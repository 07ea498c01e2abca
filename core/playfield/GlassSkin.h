// Glass skin: the picture the magnifying glass is drawn from, and where each part lies in it.
//
// Drawn by code once, as a 32-bit buffer. The four lens corners are quarter rings of a brass
// bezel, each centred on its inner corner, so laid at the four corners of the glass they round
// it off; the player grabs the glass by their opaque pixels. Buttons come as normal and pressed
// pictures.
#pragma once

#include <array>

#include "playfield/PlayWindow.h"
#include "playfield/WindowSkin.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// Top-left, top-right, bottom-left, bottom-right, each kGlassLensCorner square.
inline constexpr std::array<SkinPart, 4> kGlassCornerSkins {{
    {0, 0, kGlassLensCorner, kGlassLensCorner},
    {96, 0, kGlassLensCorner, kGlassLensCorner},
    {0, 96, kGlassLensCorner, kGlassLensCorner},
    {96, 96, kGlassLensCorner, kGlassLensCorner},
}};
inline constexpr int kGlassRimOuter = 92;  // radius of the bezel's outer edge, pixels from the inner corner
inline constexpr int kGlassRimInner = 78;
inline constexpr SkinPart kGlassCloseSkin {192, 0, 14, 14};   // pressed: 16 rows lower
inline constexpr SkinPart kGlassZoom3Skin {210, 0, 27, 27};   // pressed: 30 rows lower
inline constexpr SkinPart kGlassZoom2Skin {240, 0, 27, 27};
inline constexpr int kGlassClosePressedOffset = 16;
inline constexpr int kGlassZoomPressedOffset = 30;

TPixelBuffer DrawGlassSkin();

}  // namespace kirvo
