// The meeting point of pixel buffers and Qt pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstdint>

#include "base/Result.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// A 0x00BBGGRR colour as Qt's, and back.
QColor PixQColor(uint32_t colour);
uint32_t PixColour(const QColor& colour);

// A QImage looking at the buffer's pixels without copying them; valid while the buffer is.
QImage PixImage(const TPixelBuffer& buffer);

// A copy of the buffer as a pixmap in which the pixels of keyColour (0x00BBGGRR) are transparent;
// the null pixmap for an empty buffer.
QPixmap PixKeyedPixmap(const TPixelBuffer& buffer, uint32_t keyColour);

// The colour as the game writes it, 0x00BBGGRR.
inline uint32_t ColourOf(const QColor& colour) { return MakeColour(colour.red(), colour.green(), colour.blue()); }

// Decodes a PNG the program carries in its resources (":/png/<name>.png").
Result<> PixLoadPngResource(TPixelBuffer& buffer, const QString& name);

}  // namespace kirvo
