#include "options/TextureThumbnails.h"

#include <vector>

#include "base/Folders.h"

namespace kirvo {

std::array<TPixelBuffer, kTextureCount> LoadTextureThumbnails(const std::string& backgroundPicturesFolder)
{
    std::array<TPixelBuffer, kTextureCount> thumbnails;
    for (int i = 0; i < kTextureCount; ++i) {
        Result<std::vector<uint8_t>> bytes = ReadFileBytes(backgroundPicturesFolder + std::string(kTextureNames[i]) + "-but.jpg");
        if (bytes)
            (void)PixLoadJpeg(thumbnails[i], bytes.value());  // a bad file leaves the thumbnail empty
    }
    return thumbnails;
}

}  // namespace kirvo
