#include "options/TextureThumbnails.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace kirvo {
namespace {

TEST(TextureThumbnailsTest, EachTextureHasItsThumbnailWhenTheFileDecodes)
{
    testing::TempFolder folder;
    TPixelBuffer picture;
    PixCreate24(picture, 63, 50);
    PixFillRect(picture, 0, 0, 63, 50, MakeColour(200, 120, 40));
    const std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 90);
    for (const char* name : {"stucco1-but.jpg", "wood5-but.jpg", "wood2.jpg"})
        folder.Write(name, std::string(jpeg.begin(), jpeg.end()));
    folder.Write("wood1-but.jpg", "not a picture");

    const std::array<TPixelBuffer, kTextureCount> thumbnails = LoadTextureThumbnails(folder.Path());
    for (int i = 0; i < kTextureCount; ++i) {
        SCOPED_TRACE(kTextureNames[i]);
        const bool loaded = kTextureNames[i] == "stucco1" || kTextureNames[i] == "wood5";
        EXPECT_EQ(thumbnails[i].width, loaded ? 63 : 0);
        if (loaded) {
            EXPECT_EQ(thumbnails[i].height, 50);
            EXPECT_EQ(thumbnails[i].bytesPerPixel, 3);
        }
    }
}

}  // namespace
}  // namespace kirvo
