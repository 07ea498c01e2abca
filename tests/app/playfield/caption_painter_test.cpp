#include "playfield/CaptionPainter.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <string>

#include "support/GuiApplication.h"

namespace kirvo {
namespace {

class CaptionPainterTest : public ::testing::Test {
protected:
    CaptionPainterTest() { InitialiseWindow(pocket, 0, 0, WindowKind::Pocket, 100, 100); }

    void Render(std::string_view text)
    {
        SetCaption(pocket, text);
        RenderCaption(pocket, painter);
    }


    QGuiApplication& application = testing::GuiApplication();
    TMyWin pocket;
    CaptionPainter painter;
};

TEST_F(CaptionPainterTest, WhiteTextWhoseCoverageBecomesAlpha)
{
    Render("Pocket 1: 12");
    const TPixelBuffer& image = pocket.captionImage;
    const TBox& ink = pocket.captionInk;
    ASSERT_FALSE(BoxIsEmpty(ink));
    EXPECT_LE(ink.left, 2) << "left-aligned";
    EXPECT_LT(ink.right, kCaptionImageWidth / 2);
    EXPECT_GE(ink.height, 6);
    EXPECT_LE(ink.height, kPocketCaption - 2);
    EXPECT_LE(std::abs(ink.top - (kPocketCaption - 1 - ink.bottom)), 3) << "vertically centred";

    int solid = 0;
    int edge = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* pixel = PixAddress(image, x, y);
            ASSERT_TRUE(pixel[0] == pixel[1] && pixel[1] == pixel[2]) << "grey at " << x << ", " << y;
            ASSERT_EQ(pixel[3], pixel[0]) << "alpha is coverage at " << x << ", " << y;
            solid += pixel[0] == 255;
            edge += pixel[0] > 0 && pixel[0] < 255;
        }
    EXPECT_GT(solid, 10) << "bold white strokes";
    EXPECT_GT(edge, 0) << "anti-aliased edges keep their partial coverage";
}

TEST_F(CaptionPainterTest, TooLongTextEndsInAnEllipsis)
{
    Render(std::string(80, u'W'));
    const TPixelBuffer& image = pocket.captionImage;
    const TBox& ink = pocket.captionInk;
    ASSERT_FALSE(BoxIsEmpty(ink));
    EXPECT_GT(ink.right, kCaptionImageWidth - 20) << "the line fills the image";
    // Dots sit on the baseline; a cut letter W would reach the top of the ink.
    for (int y = ink.top; y < ink.top + ink.height / 2; ++y)
        for (int x = ink.right - 1; x <= ink.right; ++x)
            EXPECT_EQ(PixGetAlpha(image, x, y), 0) << x << ", " << y;
}

// On a screen of two pixels a point (or one and a half) the text grows, but the bar keeps its
// height in pixels: the line stays whole inside it.
TEST_F(CaptionPainterTest, TheTextGrowsWithThePixelRatioAsFarAsTheBarHoldsIt)
{
    Render("Pocket 1: 12");
    const int plain = pocket.captionInk.height;
    for (double ratio : {1.5, 2.0}) {
        TMyWin scaled;
        InitialiseWindow(scaled, 0, 0, WindowKind::Pocket, 100, 100);
        SetCaption(scaled, "Pocket 1: 12");
        CaptionPainter larger(ratio);
        RenderCaption(scaled, larger);
        const TBox& ink = scaled.captionInk;
        EXPECT_GE(ink.height, plain * 5 / 4) << ratio;
        EXPECT_GT(ink.top, 0) << ratio;
        EXPECT_LT(ink.bottom, kPocketCaption - 1) << ratio;
    }
}

}  // namespace
}  // namespace kirvo
