// The pictures of the jigsaw browser: drawn at build time and kept beside the program.
#pragma once

#include <string>

#include "raster/PixelBuffer.h"

namespace kirvo {

struct BrowserArt {
    TPixelBuffer shapeMasks;     // browser-shapes.png: one mask per shape style
    TPixelBuffer sampleTexture;  // browser-sample-texture.png: what the sample piece is cut from
    TPixelBuffer borders;        // browser-borders.png: two 50 x 50 pictures at x = 0 and 51
    TPixelBuffer mixes;          // browser-mix.png: laid out as the borders
    TPixelBuffer rotation;       // browser-rotation.png
    TPixelBuffer fit;            // browser-fit.png
    TPixelBuffer saveIcon;       // save-icon.png: the 16 x 16 mark of a saved game
};

// Missing or unreadable files leave their picture empty: the browser then shows no picture there.
BrowserArt LoadBrowserArt(const std::string& programFolder);

}  // namespace kirvo
