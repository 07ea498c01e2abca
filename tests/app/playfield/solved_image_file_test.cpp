#include "playfield/SolvedImageFile.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "base/DurableFile.h"
#include "base/Folders.h"
#include "support/FileSizeLimit.h"
#include "support/GuiApplication.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

class SolvedImageFileTest : public ::testing::Test {
protected:
    // A 320 x 40 picture of one colour, cut into one piece that owns all of it.
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

    static constexpr int kWidth = 320;
    static constexpr int kHeight = 40;
    static constexpr uint32_t kPictureColour = 0x3080C0;

    // The heights of the white bands below the picture, each ended by a black line.
    static std::vector<int> BandHeights(const TPixelBuffer& image)
    {
        std::vector<int> heights;
        int white = 0;
        for (int y = kHeight + 2; y < image.height; ++y) {
            if (PixGetPixel(image, 1, y) == 0xFFFFFF) {
                ++white;
            } else {
                heights.push_back(white);
                white = 0;
            }
        }
        return heights;
    }

    QGuiApplication& application = testing::GuiApplication();
    GameState state;
    testing::TempFolder temp;
};

TEST_F(SolvedImageFileTest, TheBitmapHoldsThePictureAndTwoCaptionLines)
{
    const std::string path = temp.Path() + "solved.bmp";
    ASSERT_TRUE(SaveSolvedImage(path, state, "\n  Marigold in the garden \n\n", {}));
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

// The extension picks the format, whatever its case; each file reads back at the picture's full
// size with its colours (JPEG within a few levels).
TEST_F(SolvedImageFileTest, PngJpegAndBitmapAreChosenByTheExtension)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> start;  // the format's first bytes
        int tolerance;
    };
    const Case cases[] = {
        {"solved.png", {0x89, 'P', 'N', 'G'}, 0},
        {"solved.JPG", {0xFF, 0xD8, 0xFF}, 6},
        {"solved.jpeg", {0xFF, 0xD8, 0xFF}, 6},
        {"solved.bmp", {'B', 'M'}, 0},
        {"solved", {'B', 'M'}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp.Path() + c.name;
        ASSERT_TRUE(SaveSolvedImage(path, state, "Marigold", {}));
        const std::vector<uint8_t> bytes = ReadFileBytes(path).value();
        ASSERT_GE(bytes.size(), c.start.size());
        EXPECT_TRUE(std::equal(c.start.begin(), c.start.end(), bytes.begin()));
        TPixelBuffer image;
        ASSERT_TRUE(PixLoadPicture(image, bytes));
        EXPECT_EQ(image.width, kWidth + 2);
        EXPECT_EQ(image.height, kHeight + 52);
        for (auto [x, y] : {std::pair(5, 5), std::pair(kWidth - 5, kHeight - 5)}) {
            const Rgb got = SplitColour(uint32_t(PixGetPixel(image, x, y)));
            const Rgb want = SplitColour(kPictureColour);
            EXPECT_NEAR(got.red, want.red, c.tolerance);
            EXPECT_NEAR(got.green, want.green, c.tolerance);
            EXPECT_NEAR(got.blue, want.blue, c.tolerance);
        }
    }
}

// A caption wider than the picture goes on over more lines, its band growing by a line each, and
// no word runs into the right-hand margin where it would be cut off; the fixed words come from the
// texts given.
TEST_F(SolvedImageFileTest, ALongCaptionWrapsBetweenWords)
{
    const std::string path = temp.Path() + "solved.png";
    const std::string longName = "Marigolds and poppies in the walled garden of the old water mill by the river at dawn";
    ASSERT_TRUE(SaveSolvedImage(path, state, "Marigold", {}));
    TPixelBuffer shortImage;
    ASSERT_TRUE(PixLoadPng(shortImage, ReadFileBytes(path).value()));
    EXPECT_EQ(BandHeights(shortImage), (std::vector<int> {24, 24}));

    SolvedCaptionTexts texts;
    texts.assembledFrom = "Zusammengesetzt aus %d Teilen, jedes an seinem Platz, in vielen Stunden am Tisch";
    ASSERT_TRUE(SaveSolvedImage(path, state, longName, texts));
    TPixelBuffer image;
    ASSERT_TRUE(PixLoadPng(image, ReadFileBytes(path).value()));
    const std::vector<int> heights = BandHeights(image);
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_GT(heights[0], 24);
    EXPECT_GT(heights[1], 24);
    EXPECT_EQ(image.height, kHeight + 4 + heights[0] + heights[1]);

    int ink = 0;
    for (int y = kHeight + 2; y < image.height; ++y) {
        for (int x = 1; x <= kWidth; ++x) {
            const bool dark = SplitColour(uint32_t(PixGetPixel(image, x, y))).green < 128;
            const bool band = PixGetPixel(image, 1, y) == 0xFFFFFF;
            ink += band && dark;
            EXPECT_FALSE(band && dark && x > kWidth - 6) << x << ", " << y;
        }
    }
    EXPECT_GT(ink, 200);
}

TEST_F(SolvedImageFileTest, AFailedWriteLeavesNoFileBehindAndSaysWhy)
{
    const std::string path = temp.Path() + "solved.bmp";
    {
        testing::FileSizeLimit fullDisk(4096);
        Result<> saved = SaveSolvedImage(path, state, "Marigold", {});
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.error(), "Cannot write " + path + ": File too large");
    }
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}

}  // namespace
}  // namespace kirvo
