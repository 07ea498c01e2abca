// Stand-ins for the eight texture thumbnails of the colour picker: each a plain 63 x 50 picture
// whose colour tells which texture it is.
#pragma once

#include <array>

#include "raster/PixelBuffer.h"
#include "session/ColourPalette.h"

namespace kirvo::testing {

inline uint32_t ThumbnailColour(int texture) { return MakeColour(20 * texture, 100, 200); }

inline std::array<TPixelBuffer, kTextureCount> PlainThumbnails()
{
    std::array<TPixelBuffer, kTextureCount> thumbnails;
    for (int i = 0; i < kTextureCount; ++i) {
        PixCreate24(thumbnails[i], 63, 50);
        PixFillRect(thumbnails[i], 0, 0, 63, 50, ThumbnailColour(i));
    }
    return thumbnails;
}

}  // namespace kirvo::testing
