#include "raster/PixelBuffer.h"

namespace kirvo {

Result<> PixLoadPicture(TPixelBuffer& buffer, std::span<const uint8_t> bytes)
{
    if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G')
        return PixLoadPng(buffer, bytes);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return PixLoadBmp(buffer, bytes);
    return PixLoadJpeg(buffer, bytes);
}

}  // namespace kirvo
