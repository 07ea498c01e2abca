// Pictures shown in image controls (labels holding a pixmap): previews, thumbnails, samples.
#pragma once

#include <string>

#include <QLabel>

namespace kirvo {

// A black picture of that size.
void ImageNewBitmap(QLabel* image, int width, int height);
// A picture of that size, filled with the colour (0x00BBGGRR) when asked.
enum class Fill { No, Yes };
void ImageSetBitmap(QLabel* image, int width, int height, uint32_t colour, Fill fill);
// Shows the JPEG file. On failure the picture is left as it was and, with Report::Yes, the
// player is told why.
enum class Report { No, Yes };
bool ImageLoadJpeg(QLabel* image, const std::string& fileName, Report report);

}  // namespace kirvo
