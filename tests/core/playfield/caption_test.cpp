#include "playfield/Caption.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// Writes a few known pixels instead of text and counts its calls.
class PixelPainter : public TextPainter {
public:
    void DrawCaptionText(TPixelBuffer& image, std::u16string_view text) override
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
    std::u16string lastText;
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
    SetCaption(pocket, u"Pocket 1 (0)");
    RenderCaption(pocket, painter);

    ASSERT_EQ(painter.calls, 1);
    EXPECT_EQ(painter.lastText, u"Pocket 1 (0)");
    const TPixelBuffer& image = pocket.captionImage;
    ASSERT_EQ(image.width, kCaptionImageWidth);
    ASSERT_EQ(image.height, kPocketCaption);
    EXPECT_EQ(PixGetAlpha(image, 3, 2), 255);
    EXPECT_EQ(PixGetAlpha(image, 40, 9), 128);
    EXPECT_EQ(PixGetAlpha(image, 100, 15), 0);
    EXPECT_EQ(PixGetAlpha(image, 0, 0), 0);
    TBox ink;
    EXPECT_EQ(pocket.captionInk, BoxFromCorners(ink, 3, 2, 40, 9));
}

TEST(Caption, RendersAgainOnlyWhenTheTextChanged)
{
    TMyWin pocket = Pocket();
    PixelPainter painter;
    SetCaption(pocket, u"a");
    RenderCaption(pocket, painter);
    RenderCaption(pocket, painter);
    EXPECT_EQ(painter.calls, 1);
    SetCaption(pocket, u"b");
    RenderCaption(pocket, painter);
    EXPECT_EQ(painter.calls, 2);
    EXPECT_EQ(painter.lastText, u"b");
}

TEST(Caption, WindowsWithoutACaptionBarHaveNoImage)
{
    TMyWin side;
    InitialiseWindow(side, 0, 0, WindowKind::Side, 100, 100);
    PixelPainter painter;
    SetCaption(side, u"x");
    RenderCaption(side, painter);
    EXPECT_EQ(painter.calls, 0);
    EXPECT_EQ(side.captionImage.width, 0);
}

TEST(Caption, BlankTextLeavesAnEmptyInkBox)
{
    class BlankPainter : public TextPainter {
        void DrawCaptionText(TPixelBuffer&, std::u16string_view) override {}
    } painter;
    TMyWin pocket = Pocket();
    RenderCaption(pocket, painter);
    EXPECT_TRUE(BoxIsEmpty(pocket.captionInk));
}

TEST(Caption, FillIntegers)
{
    struct Case {
        std::u16string_view format;
        std::initializer_list<int> values;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {u"Pocket %d (%d)", {1, 3}, u"Pocket 1 (3)"},
        {u"%d%% done", {-7}, u"-7% done"},
        {u"%d and %d", {5}, u"5 and %d"},
        {u"no numbers", {1}, u"no numbers"},
        {u"ends with %", {1}, u"ends with %"},
        {u"%s stays", {1}, u"%s stays"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillIntegers(c.format, c.values), c.expected);
}

}  // namespace
}  // namespace kirvo
