#include "playfield/SolvedImageFile.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <filesystem>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "support/FileSizeLimit.h"
#include "support/GuiApplication.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

class SolvedImageFileTest : public ::testing::Test {
protected:
    // A 160 x 40 picture of one colour, cut into one piece that owns all of it.
    SolvedImageFileTest()
    {
        Descriptor& d = state.descriptor;
        d.ImageW = kWidth;
        d.ImageH = kHeight;
        d.TotalTileNum = 1;
        PixCreate24(state.buffers[kPictureBuffer], kWidth, kHeight);
        PixFillRect(state.buffers[kPictureBuffer], 0, 0, kWidth, kHeight, kPictureColour);
        PixCreate24(state.buffers[kMaskBuffer], kWidth + kMaskMargin, kHeight + kMaskMargin);
        PixFillRect(state.buffers[kMaskBuffer], 0, 0, kWidth, kHeight, MakeColour(128, 0, 25));
        PieceRecord piece;
        piece.sourceWidth = piece.width = kWidth;
        piece.sourceHeight = piece.height = kHeight;
        piece.maskValue = 25;
        state.pieces = {piece};
    }

    static constexpr int kWidth = 160;
    static constexpr int kHeight = 40;
    static constexpr uint32_t kPictureColour = 0x3080C0;


    QGuiApplication& application = testing::GuiApplication();
    GameState state;
    testing::TempFolder temp;
};

TEST_F(SolvedImageFileTest, TheBitmapHoldsThePictureAndTwoCaptionLines)
{
    const std::string path = temp.Path() + "solved.bmp";
    ASSERT_TRUE(SaveSolvedImage(path, state, "\n  Marigold in the garden \n\n"));
    EXPECT_FALSE(FileExists(DurableTempPath(path)));
    TPixelBuffer image;
    ASSERT_TRUE(PixLoadBmp(image, ReadFileBytes(path).value()));
    ASSERT_EQ(image.width, kWidth + 2);
    ASSERT_EQ(image.height, kHeight + 52);
    EXPECT_EQ(PixGetPixel(image, 1, 1), kPictureColour);
    EXPECT_EQ(PixGetPixel(image, kWidth, kHeight), kPictureColour);
    EXPECT_EQ(PixGetPixel(image, 0, 0), 0);
    EXPECT_EQ(PixGetPixel(image, kWidth + 1, kHeight + 1), 0);

    // Each band: white at its ends, dark text from x = 10 on, and nothing drawn outside it.
    for (int top : {kHeight + 2, kHeight + 27}) {
        SCOPED_TRACE(top);
        int ink = 0;
        for (int y = top; y < top + 24; ++y) {
            EXPECT_EQ(PixGetPixel(image, 1, y), 0xFFFFFF);
            for (int x = 1; x <= kWidth; ++x)
                ink += PixGetPixel(image, x, y) == 0;
        }
        EXPECT_GT(ink, 20) << "black text on the white band";
        for (int x = 0; x < image.width; ++x)
            EXPECT_EQ(PixGetPixel(image, x, top + 24), 0) << "the black line below the band, x " << x;
    }
}

TEST_F(SolvedImageFileTest, AFailedWriteLeavesNoFileBehindAndSaysWhy)
{
    const std::string path = temp.Path() + "solved.bmp";
    {
        testing::FileSizeLimit fullDisk(4096);
        Result<> saved = SaveSolvedImage(path, state, "Marigold");
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.error(), "Cannot write " + path + ": File too large");
    }
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

}  // namespace
}  // namespace kirvo
