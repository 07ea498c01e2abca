// Effect preview: the Options dialog's sample of how the emboss and wood styles look.
#pragma once

#include <cstdint>

#include "raster/PixelBuffer.h"

namespace kirvo {

// shapeMask is 0 on the sample shape and anything else around it, all three buffers 24-bit of one
// size; the preview shows source through the shape, embossed, with the band of the wood style
// painted around it.
void DrawEffectPreview(TPixelBuffer& preview, const TPixelBuffer& shapeMask, const TPixelBuffer& source,
                       uint32_t woodColor, int woodStyle, int embossStyle);

}  // namespace kirvo
