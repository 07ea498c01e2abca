#include "raster/PixelImage.h"

#include <gtest/gtest.h>

#include "support/GuiApplication.h"

namespace kirvo {
namespace {

TEST(PixelImage, QtSeesTheBufferWithoutACopy)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, 5, 2);
    PixSetPixel(buffer, 4, 1, MakeColour(10, 20, 30));
    QImage image = PixImage(buffer);
    EXPECT_EQ(image.constBits(), buffer.bits);
    EXPECT_EQ(image.pixel(4, 1), qRgb(10, 20, 30));
    EXPECT_TRUE(PixImage(TPixelBuffer{}).isNull());
}

TEST(PixelImage, OnlyTheKeyColourOfAKeyedPixmapIsTransparent)
{
    testing::GuiApplication();
    TPixelBuffer buffer;
    PixCreate24(buffer, 3, 1);
    PixSetPixel(buffer, 0, 0, MakeColour(0, 0, 255));
    PixSetPixel(buffer, 1, 0, MakeColour(255, 0, 0));
    PixSetPixel(buffer, 2, 0, MakeColour(0, 0, 254));
    const QImage image = PixKeyedPixmap(buffer, MakeColour(0, 0, 255)).toImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(1, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(image.pixel(2, 0), qRgba(0, 0, 254, 255));
    EXPECT_TRUE(PixKeyedPixmap(TPixelBuffer {}, 0).isNull());
}

TEST(PixelImage, PngResourcesLoadAndMissingOnesFail)
{
    TPixelBuffer buffer;
    Result<> loaded = PixLoadPngResource(buffer, "two-pixels");
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    EXPECT_TRUE(buffer.hasAlpha);
    EXPECT_EQ(PixGetPixel(buffer, 0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(PixGetAlpha(buffer, 1, 0), 128);
    EXPECT_EQ(PixImage(buffer).pixel(1, 0), qRgba(0, 0, 255, 128));

    Result<> missing = PixLoadPngResource(buffer, "absent");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), "Missing PNG resource: absent");
}

}  // namespace
}  // namespace kirvo
