#include "raster/ImageControl.h"

#include <vector>

#include <QPixmap>

#include "base/Folders.h"
#include "raster/PixelImage.h"

namespace kirvo {

namespace {

void Show(QLabel* image, const TPixelBuffer& buffer)
{
    image->setPixmap(QPixmap::fromImage(PixImage(buffer)));  // the pixmap keeps its own copy
}

}  // namespace

void ImageNewBitmap(QLabel* image, int width, int height)
{
    ImageSetBitmap(image, width, height, 0, Fill::No);
}

void ImageSetBitmap(QLabel* image, int width, int height, uint32_t colour, Fill fill)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    if (fill == Fill::Yes)
        PixFillRect(buffer, 0, 0, width, height, colour);
    Show(image, buffer);
}

Result<> ImageLoadJpeg(QLabel* image, const std::string& fileName)
{
    Result<std::vector<uint8_t>> bytes = ReadFileBytes(fileName);
    TPixelBuffer buffer;
    Result<> loaded = bytes ? PixLoadJpeg(buffer, bytes.value()) : Result<>(Fail(bytes.error()));
    if (loaded)
        Show(image, buffer);
    return loaded;
}

}  // namespace kirvo
