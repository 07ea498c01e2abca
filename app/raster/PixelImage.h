// The meeting point of pixel buffers and Qt pictures.
#pragma once

#include <QImage>
#include <QString>

#include "base/Result.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// A QImage looking at the buffer's pixels without copying them; valid while the buffer is.
QImage PixImage(const TPixelBuffer& buffer);

// Decodes a PNG the program carries in its resources (":/png/<name>.png").
Result<> PixLoadPngResource(TPixelBuffer& buffer, const QString& name);

}  // namespace kirvo
