// Pictures shown in image controls (labels holding a pixmap): previews, thumbnails, samples.
#pragma once

#include <string>

#include <QLabel>

#include "base/Result.h"

namespace kirvo {

// A black picture of that size.
void ImageNewBitmap(QLabel* image, int width, int height);
// A picture of that size, filled with the colour (0x00BBGGRR) when asked.
enum class Fill { No, Yes };
void ImageSetBitmap(QLabel* image, int width, int height, uint32_t colour, Fill fill);
// Shows the JPEG file. On failure the picture is left as it was and the error says why.
Result<> ImageLoadJpeg(QLabel* image, const std::string& fileName);

}  // namespace kirvo
