#include "session/PieceSample.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kirvo {
namespace {

const uint32_t kBackground = MakeColour(1, 2, 3);
const int kStripWidth = kShapeStyleCount * (kSampleWidth + 1) + 1;

TPixelBuffer EmptyStrip(int width = kStripWidth)
{
    TPixelBuffer strip;
    PixCreate24(strip, width, kSampleHeight);
    return strip;
}

void MarkInside(TPixelBuffer& strip, int shape, int x, int y)
{
    PixSetPixel(strip, shape * (kSampleWidth + 1) + 1 + x, y, MakeColour(255, 255, 255));
}

// A texture whose colour tells where it was taken from.
TPixelBuffer CoordinateTexture(int width, int height)
{
    TPixelBuffer texture;
    PixCreate24(texture, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(texture, x, y, MakeColour(40 + x % 150, 40 + y % 150, 120));
    return texture;
}

uint32_t Shaded(uint32_t colour, int shade)
{
    const Rgb rgb = SplitColour(colour);
    auto channel = [shade](int value) { return std::clamp(value + shade, 0, 255); };
    return MakeColour(channel(rgb.red), channel(rgb.green), channel(rgb.blue));
}

bool AllBackground(const TPixelBuffer& sample)
{
    for (int y = 0; y < sample.height; ++y)
        for (int x = 0; x < sample.width; ++x)
            if (PixGetPixel(sample, x, y) != kBackground)
                return false;
    return true;
}

TEST(PieceSampleTest, SizeFollowsTheTileSizeUpToTheMaskSize)
{
    struct Case {
        int tileSize, width, height;
        bool enlarged;
    };
    const Case cases[] = {
        {128, 164, 168, false},
        {129, 165, 169, true},
        {48, 61, 63, false},
        {64, 82, 84, false},
        {1, 1, 1, false},
        {300, 384, 393, true},
    };
    for (const Case& c : cases) {
        const SampleSize size = PieceSampleSize(c.tileSize);
        EXPECT_EQ(size.width, c.width) << c.tileSize;
        EXPECT_EQ(size.height, c.height) << c.tileSize;
        EXPECT_EQ(size.enlarged, c.enlarged) << c.tileSize;
    }
}

// At tile size 128 the mask is used as it is. Each patch is a piece of the mask at (x, y): '.' is
// outside, '+' a lightened pixel, '-' a darkened one, 'o' one left as the texture has it.
TEST(PieceSampleTest, EdgesAreLitFromTheTopLeft)
{
    struct Patch {
        int x, y;
        std::vector<std::string> rows;
    };
    const Patch patches[] = {
        {10, 10, {"......",
                  ".++++.",
                  ".+oo-.",
                  ".+o--.",
                  ".+-...",
                  "......"}},
        // The sample's top row and left column are light, its right column and bottom row dark,
        // whatever the neighbours.
        {0, 0, {"++.",
                "+..",
                "+.."}},
        {161, 0, {".++",
                  "..-"}},
        {0, 165, {"++.",
                  "+-.",
                  "+--"}},
        {160, 165, {"...-",
                    "..+-",
                    ".---"}},
    };
    TPixelBuffer strip = EmptyStrip();
    for (const Patch& patch : patches)
        for (int row = 0; row < int(patch.rows.size()); ++row)
            for (int column = 0; column < int(patch.rows[row].size()); ++column)
                if (patch.rows[row][column] != '.')
                    MarkInside(strip, 2, patch.x + column, patch.y + row);
    const TPixelBuffer texture = CoordinateTexture(2 * kSampleWidth, 2 * kSampleHeight);

    TPixelBuffer sample;
    DrawPieceSample(sample, 128, 2, strip, texture, kBackground);
    ASSERT_EQ(sample.width, kSampleWidth);
    ASSERT_EQ(sample.height, kSampleHeight);
    for (const Patch& patch : patches)
        for (int row = 0; row < int(patch.rows.size()); ++row)
            for (int column = 0; column < int(patch.rows[row].size()); ++column) {
                const int x = patch.x + column, y = patch.y + row;
                const char mark = patch.rows[row][column];
                const uint32_t source = uint32_t(PixGetPixel(texture, kSampleWidth / 2 + x, kSampleHeight / 2 + y));
                const uint32_t expected = mark == '.' ? kBackground : Shaded(source, mark == '+' ? 30 : mark == '-' ? -30 : 0);
                EXPECT_EQ(PixGetPixel(sample, x, y), expected) << x << "," << y << " '" << mark << "'";
            }
}

TEST(PieceSampleTest, ShadingClampsEachChannel)
{
    TPixelBuffer strip = EmptyStrip();
    for (int x = 50; x < 53; ++x)
        MarkInside(strip, 0, x, 60);
    TPixelBuffer texture;
    PixCreate24(texture, 200, 200);
    PixFillRect(texture, 0, 0, 200, 200, MakeColour(250, 10, 128));

    TPixelBuffer sample;
    DrawPieceSample(sample, 128, 0, strip, texture, kBackground);
    EXPECT_EQ(PixGetPixel(sample, 50, 60), MakeColour(255, 40, 158));
    EXPECT_EQ(PixGetPixel(sample, 52, 60), MakeColour(255, 40, 158)) << "above is outside before right is";
    for (int x = 50; x < 53; ++x)
        MarkInside(strip, 0, x, 61);
    DrawPieceSample(sample, 128, 0, strip, texture, kBackground);
    EXPECT_EQ(PixGetPixel(sample, 51, 61), MakeColour(220, 0, 98));
}

// At tile size 64 the mask is halved and the sample centred: the left half of the mask becomes
// 41 x 84 pixels at (41, 42), coloured from the centre 82 x 84 of the texture.
TEST(PieceSampleTest, SmallerTilesStretchTheMaskAndCentreTheSample)
{
    TPixelBuffer strip = EmptyStrip();
    for (int y = 0; y < kSampleHeight; ++y)
        for (int x = 0; x < kSampleWidth / 2; ++x)
            MarkInside(strip, 6, x, y);
    const TPixelBuffer texture = CoordinateTexture(2 * kSampleWidth, 2 * kSampleHeight);
    auto textureAt = [&](int x, int y) { return uint32_t(PixGetPixel(texture, 123 + x - 41, 126 + y - 42)); };

    TPixelBuffer sample;
    DrawPieceSample(sample, 64, 6, strip, texture, kBackground);
    for (int y : {41, 126})
        EXPECT_EQ(PixGetPixel(sample, 60, y), kBackground) << y;
    EXPECT_EQ(PixGetPixel(sample, 40, 80), kBackground);
    EXPECT_EQ(PixGetPixel(sample, 41, 80), Shaded(textureAt(41, 80), 30));
    EXPECT_EQ(PixGetPixel(sample, 60, 42), Shaded(textureAt(60, 42), 30));
    EXPECT_EQ(PixGetPixel(sample, 60, 80), textureAt(60, 80));
    EXPECT_EQ(PixGetPixel(sample, 81, 80), Shaded(textureAt(81, 80), -30));
    EXPECT_EQ(PixGetPixel(sample, 60, 125), Shaded(textureAt(60, 125), -30));
    EXPECT_EQ(PixGetPixel(sample, 82, 80), kBackground);

    TPixelBuffer limited, full;
    DrawPieceSample(limited, 200, 6, strip, texture, kBackground);
    DrawPieceSample(full, 128, 6, strip, texture, kBackground);
    EXPECT_EQ(PixEncodeBmp(limited), PixEncodeBmp(full)) << "an enlarged sample is drawn at the mask size";
}

TEST(PieceSampleTest, ASmallTextureLeavesBackgroundAroundItsCrop)
{
    TPixelBuffer strip = EmptyStrip();
    for (int y = 0; y < kSampleHeight; ++y)
        for (int x = 0; x < kSampleWidth; ++x)
            MarkInside(strip, 1, x, y);
    const TPixelBuffer texture = CoordinateTexture(100, 60);

    TPixelBuffer sample;
    DrawPieceSample(sample, 128, 1, strip, texture, kBackground);
    // The texture lies centred at (32, 54) .. (131, 113).
    EXPECT_EQ(PixGetPixel(sample, 31, 80), kBackground);
    EXPECT_EQ(PixGetPixel(sample, 32, 80), PixGetPixel(texture, 0, 26));
    EXPECT_EQ(PixGetPixel(sample, 131, 80), PixGetPixel(texture, 99, 26));
    EXPECT_EQ(PixGetPixel(sample, 132, 80), kBackground);
    EXPECT_EQ(PixGetPixel(sample, 50, 53), kBackground);
    EXPECT_EQ(PixGetPixel(sample, 50, 54), PixGetPixel(texture, 18, 0));
    EXPECT_EQ(PixGetPixel(sample, 50, 114), kBackground);

    DrawPieceSample(sample, 128, 1, strip, TPixelBuffer{}, kBackground);
    EXPECT_TRUE(AllBackground(sample));
}

TEST(PieceSampleTest, NoShapeGivesJustTheBackground)
{
    TPixelBuffer strip = EmptyStrip();
    for (int shape = 0; shape < kShapeStyleCount; ++shape)
        MarkInside(strip, shape, 80, 80);
    const TPixelBuffer texture = CoordinateTexture(kSampleWidth, kSampleHeight);
    TPixelBuffer sample;

    for (int shape : {-1, kShapeStyleCount}) {
        DrawPieceSample(sample, 128, shape, strip, texture, kBackground);
        EXPECT_TRUE(AllBackground(sample)) << shape;
    }
    DrawPieceSample(sample, 128, 0, TPixelBuffer{}, texture, kBackground);
    EXPECT_TRUE(AllBackground(sample));
    DrawPieceSample(sample, 0, 0, strip, texture, kBackground);
    EXPECT_TRUE(AllBackground(sample));

    // A strip that ends inside the last mask draws the shapes it holds whole.
    TPixelBuffer shortStrip = EmptyStrip(kStripWidth - 2);
    MarkInside(shortStrip, 0, 80, 80);
    MarkInside(shortStrip, 6, 80, 80);
    DrawPieceSample(sample, 128, 6, shortStrip, texture, kBackground);
    EXPECT_TRUE(AllBackground(sample));
    DrawPieceSample(sample, 128, 0, shortStrip, texture, kBackground);
    EXPECT_FALSE(AllBackground(sample));
}

// The effect preview takes the first shape at its own size: black on the shape, white around it.
TEST(PieceSampleTest, TheEffectPreviewMaskIsTheFirstShapeInBlack)
{
    TPixelBuffer strip = EmptyStrip();
    MarkInside(strip, 0, 0, 0);
    MarkInside(strip, 0, kSampleWidth - 1, kSampleHeight - 1);
    MarkInside(strip, 1, 5, 5);
    const TPixelBuffer mask = EffectPreviewMask(strip);
    ASSERT_EQ(mask.width, kSampleWidth);
    ASSERT_EQ(mask.height, kSampleHeight);
    EXPECT_EQ(mask.bytesPerPixel, 3);
    EXPECT_EQ(PixGetPixel(mask, 0, 0), 0u);
    EXPECT_EQ(PixGetPixel(mask, kSampleWidth - 1, kSampleHeight - 1), 0u);
    EXPECT_EQ(PixGetPixel(mask, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(PixGetPixel(mask, 5, 5), 0xFFFFFFu) << "the second shape is not taken";

    EXPECT_EQ(EffectPreviewMask(EmptyStrip(kSampleWidth)).width, 0) << "a strip without a whole mask";
    EXPECT_EQ(EffectPreviewMask(TPixelBuffer{}).width, 0);
}

TEST(PieceSampleTest, GreyedCopyBlendsAllButTheKeyColour)
{
    TPixelBuffer picture;
    PixCreate24(picture, 3, 1);
    PixSetPixel(picture, 0, 0, kShapeChoiceKey);
    PixSetPixel(picture, 1, 0, MakeColour(255, 255, 255));
    PixSetPixel(picture, 2, 0, MakeColour(100, 50, 201));

    const TPixelBuffer greyed = GreyedCopy(picture, kShapeChoiceKey, MakeColour(200, 100, 0));
    EXPECT_EQ(PixGetPixel(greyed, 0, 0), kShapeChoiceKey);
    EXPECT_EQ(PixGetPixel(greyed, 1, 0), MakeColour(227, 177, 127));
    EXPECT_EQ(PixGetPixel(greyed, 2, 0), MakeColour(150, 75, 100));
    EXPECT_EQ(PixGetPixel(picture, 1, 0), MakeColour(255, 255, 255)) << "the picture itself is left alone";
    EXPECT_EQ(GreyedCopy(TPixelBuffer{}, kShapeChoiceKey, 0).width, 0);
}

}  // namespace
}  // namespace kirvo
