// The thumbnails of the eight textured backgrounds that the colour picker offers for all play
// windows, loaded once at start-up.
#pragma once

#include <array>
#include <string>

#include "raster/PixelBuffer.h"
#include "session/ColourPalette.h"

namespace kirvo {

// Texture i's thumbnail is kTextureNames[i] + "-but.jpg" in the folder (which ends with "/"),
// decoded to 24 bits. A file that is missing or cannot be decoded leaves its thumbnail empty.
std::array<TPixelBuffer, kTextureCount> LoadTextureThumbnails(const std::string& backgroundPicturesFolder);

}  // namespace kirvo
