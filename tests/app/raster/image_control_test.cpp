#include "raster/ImageControl.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "raster/PixelBuffer.h"
#include "session/MessageBox.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

class ImageControlTest : public ::testing::Test {
protected:
    ImageControlTest()
    {
        previous = SetMessagePresenter([this](const MessageRequest& request) {
            shown.push_back(request.text);
            return MessageAnswer::Ok;
        });
    }
    ~ImageControlTest() override { SetMessagePresenter(previous); }

    QImage Shown() const { return label.pixmap().toImage(); }

    int argc = 1;
    char name[6] = "tests";
    char* argv[1] = {name};
    QApplication application{argc, argv};
    QLabel label;
    MessagePresenter previous;
    std::vector<std::string> shown;
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

TEST_F(ImageControlTest, BadJpegKeepsThePictureAndReportsOnlyWhenAsked)
{
    testing::TempFolder temp;
    std::string bad = temp.Write("bad.jpg", "not a picture");
    ImageNewBitmap(&label, 2, 2);
    EXPECT_FALSE(ImageLoadJpeg(&label, bad, Report::No));
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(ImageLoadJpeg(&label, temp.Path() + "absent.jpg", Report::Yes));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(Shown().size(), QSize(2, 2));
}

}  // namespace
}  // namespace kirvo
