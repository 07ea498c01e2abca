#include "raster/ImageControl.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "raster/PixelBuffer.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

class ImageControlTest : public ::testing::Test {
protected:
    QImage Shown() const { return label.pixmap().toImage(); }

    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    QLabel label;
};

TEST_F(ImageControlTest, NewAndFilledPictures)
{
    ImageNewBitmap(&label, 7, 3);
    EXPECT_EQ(Shown().size(), QSize(7, 3));
    EXPECT_EQ(Shown().pixel(6, 2), qRgb(0, 0, 0));
    ImageSetBitmap(&label, 4, 5, MakeColour(200, 100, 50), Fill::Yes);
    EXPECT_EQ(Shown().size(), QSize(4, 5));
    EXPECT_EQ(Shown().pixel(3, 4), qRgb(200, 100, 50));
}

TEST_F(ImageControlTest, BadJpegKeepsThePictureAndSaysWhy)
{
    testing::TempFolder temp;
    std::string bad = temp.Write("bad.jpg", "not a picture");
    ImageNewBitmap(&label, 2, 2);
    EXPECT_FALSE(ImageLoadJpeg(&label, bad));
    Result<> absent = ImageLoadJpeg(&label, temp.Path() + "absent.jpg");
    ASSERT_FALSE(absent);
    EXPECT_NE(absent.error().find("absent.jpg"), std::string::npos);
    EXPECT_EQ(Shown().size(), QSize(2, 2));
}

}  // namespace
}  // namespace kirvo
