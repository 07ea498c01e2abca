#include "playfield/Caption.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// Writes a few known pixels instead of text and counts its calls.
class PixelPainter : public TextPainter {
public:
    void DrawCaptionText(TPixelBuffer& image, std::string_view text) override
    {
        ++calls;
        lastText = text;
        uint8_t* white = PixAddress(image, 3, 2);
        white[0] = white[1] = white[2] = 255;
        uint8_t* grey = PixAddress(image, 40, 9);
        grey[0] = grey[1] = grey[2] = 128;
        PixAddress(image, 100, 15)[2] = 255;  // red only: no coverage in the first byte
    }
    int calls = 0;
    std::string lastText;
};

TMyWin Pocket()
{
    TMyWin pocket;
    InitialiseWindow(pocket, 0, 0, WindowKind::Pocket, 100, 100);
    return pocket;
}

TEST(Caption, FirstByteBecomesAlphaAndInkBoxBoundsIt)
{
    TMyWin pocket = Pocket();
    PixelPainter painter;
    SetCaption(pocket, "Pocket 1 (0)");
    RenderCaption(pocket, painter);

    ASSERT_EQ(painter.calls, 1);
    EXPECT_EQ(painter.lastText, "Pocket 1 (0)");
    const TPixelBuffer& image = pocket.captionImage;
    ASSERT_EQ(image.width, kCaptionImageWidth);
    ASSERT_EQ(image.height, kPocketCaption);
    EXPECT_EQ(PixGetAlpha(image, 3, 2), 255);
    EXPECT_EQ(PixGetAlpha(image, 40, 9), 128);
    EXPECT_EQ(PixGetAlpha(image, 100, 15), 0);
    EXPECT_EQ(PixGetAlpha(image, 0, 0), 0);
    EXPECT_EQ(pocket.captionInk, BoxFromCorners(3, 2, 40, 9));
}

TEST(Caption, RendersAgainOnlyWhenTheTextChanged)
{
    TMyWin pocket = Pocket();
    PixelPainter painter;
    SetCaption(pocket, "a");
    RenderCaption(pocket, painter);
    RenderCaption(pocket, painter);
    EXPECT_EQ(painter.calls, 1);
    SetCaption(pocket, "b");
    RenderCaption(pocket, painter);
    EXPECT_EQ(painter.calls, 2);
    EXPECT_EQ(painter.lastText, "b");
}

TEST(Caption, WindowsWithoutACaptionBarHaveNoImage)
{
    TMyWin side;
    InitialiseWindow(side, 0, 0, WindowKind::Side, 100, 100);
    PixelPainter painter;
    SetCaption(side, "x");
    RenderCaption(side, painter);
    EXPECT_EQ(painter.calls, 0);
    EXPECT_EQ(side.captionImage.width, 0);
}

TEST(Caption, BlankTextLeavesAnEmptyInkBox)
{
    class BlankPainter : public TextPainter {
        void DrawCaptionText(TPixelBuffer&, std::string_view) override {}
    } painter;
    TMyWin pocket = Pocket();
    RenderCaption(pocket, painter);
    EXPECT_TRUE(BoxIsEmpty(pocket.captionInk));
}

}  // namespace
}  // namespace kirvo
