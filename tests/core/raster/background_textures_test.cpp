// The background textures kirvo-textures draws: every texture and its button at its size, each
// texture's tiles meeting without a seam, calm enough to lay pieces on, and the same files on every
// run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

#include "raster/PixelBuffer.h"
#include "support/RunTool.h"
#include "support/TempFolder.h"

namespace kirvo {
namespace {

using testing::ReadText;
using testing::RunTool;
using testing::TempFolder;

const char* const kTextureNames[] = {"parquet", "stucco1", "stucco4", "wood1", "wood2", "wood3", "wood4", "wood5"};

class BackgroundTexturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<TempFolder>();
        ASSERT_TRUE(RunTool(KIRVO_TEXTURES, Pictures()));  // the tool makes the folder
    }
    static void TearDownTestSuite() { folder.reset(); }

    static std::string Pictures() { return folder->Path() + "bkg-pics/"; }

    static TPixelBuffer Load(const std::string& file)
    {
        const std::string bytes = ReadText(Pictures() + file);
        TPixelBuffer picture;
        EXPECT_TRUE(PixLoadJpeg(picture, {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()})) << file;
        return picture;
    }

    static std::unique_ptr<TempFolder> folder;
};

std::unique_ptr<TempFolder> BackgroundTexturesTest::folder;

TEST_F(BackgroundTexturesTest, EveryTextureAndButtonHasItsSize)
{
    for (const char* name : kTextureNames) {
        const TPixelBuffer texture = Load(name + std::string("-1600.jpg"));
        EXPECT_EQ(texture.width, 1600) << name;
        EXPECT_EQ(texture.height, 1200) << name;
        const TPixelBuffer button = Load(name + std::string("-but.jpg"));
        EXPECT_EQ(button.width, 63) << name;
        EXPECT_EQ(button.height, 50) << name;
    }
}

constexpr int kTile = 256;

// The mean difference of blue, green and red between two lines of pixels one tile long: columns
// when across, rows otherwise.
double LineDifference(const TPixelBuffer& picture, int a, int b, bool across)
{
    double sum = 0;
    for (int i = 0; i < kTile; ++i) {
        const uint8_t* p = across ? PixAddress(picture, a, i) : PixAddress(picture, i, a);
        const uint8_t* q = across ? PixAddress(picture, b, i) : PixAddress(picture, i, b);
        for (int channel = 0; channel < 3; ++channel)
            sum += std::abs(p[channel] - q[channel]);
    }
    return sum / (3.0 * kTile);
}

// The picture is made of kTile-pixel tiles: where one tile meets the next, the last column of the
// one runs into the first of the other no more abruptly than neighbouring columns inside a tile
// run into each other (and rows likewise). The inner neighbours compared are those across every
// 16th line: lines in the same place of the JPEG blocks, the parquet's joints and the boards' gaps
// as the tile's edge. Columns far apart differ two to four times as much as the largest of those,
// so a texture that did not tile would fail.
TEST_F(BackgroundTexturesTest, TexturesTileWithoutASeam)
{
    for (const char* name : kTextureNames) {
        const TPixelBuffer texture = Load(name + std::string("-1600.jpg"));
        ASSERT_EQ(texture.width, 1600);
        for (bool across : {true, false}) {
            double inner = 0;
            for (int line = 16; line < kTile; line += 16)
                inner = std::max(inner, LineDifference(texture, line - 1, line, across));
            const int end = across ? texture.width : texture.height;
            for (int join = kTile; join < end; join += kTile)
                EXPECT_LE(LineDifference(texture, join - 1, join, across), 1.25 * inner)
                    << name << (across ? ": column " : ": row ") << join;
        }
    }
}

// Calm enough to lay dark and light pieces on: of middle brightness on the whole, and little spread
// around it.
TEST_F(BackgroundTexturesTest, TexturesAreOfMiddleBrightnessAndCalm)
{
    for (const char* name : kTextureNames) {
        const TPixelBuffer texture = Load(name + std::string("-1600.jpg"));
        double sum = 0, squares = 0;
        for (int y = 0; y < texture.height; ++y)
            for (int x = 0; x < texture.width; ++x) {
                const uint8_t* p = PixAddress(texture, x, y);
                const double grey = 0.114 * p[0] + 0.587 * p[1] + 0.299 * p[2];
                sum += grey;
                squares += grey * grey;
            }
        const double count = double(texture.width) * texture.height;
        const double mean = sum / count;
        EXPECT_GE(mean, 90) << name;
        EXPECT_LE(mean, 185) << name;
        EXPECT_LE(std::sqrt(squares / count - mean * mean), 25) << name;
    }
}

// The build draws the textures afresh whenever the tool changes: the same tool must give the same
// files.
TEST_F(BackgroundTexturesTest, ASecondRunWritesTheSameFiles)
{
    const TempFolder again;
    ASSERT_TRUE(RunTool(KIRVO_TEXTURES, again.Path()));
    for (const char* name : kTextureNames)
        for (const std::string& file : {name + std::string("-1600.jpg"), name + std::string("-but.jpg")})
            EXPECT_EQ(ReadText(again.Path() + file), ReadText(Pictures() + file)) << file;
}

}  // namespace
}  // namespace kirvo
