#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "playfield/Caption.h"
#include "playfield/FieldImage.h"

namespace kirvo {
namespace {

constexpr uint32_t kUntouched = 0x123456;
constexpr int kWidth = 400;
constexpr int kHeight = 300;

class WindowFrame : public testing::Test {
protected:
    WindowFrame()
    {
        PixCreate24(target, kWidth, kHeight);
        Clear();
    }

    void Clear() { PixFillRect(target, 0, 0, kWidth, kHeight, kUntouched); }

    static TMyWin Window(WindowKind kind, int left, int top, int width, int height, int extentWidth, int extentHeight)
    {
        TMyWin w;
        InitialiseWindow(w, left, top, kind, width, height);
        w.extentWidth = extentWidth;
        w.extentHeight = extentHeight;
        LayOut(w, SizeSource::FromFrame);
        return w;
    }

    // Draws the window and returns the box of the pixels that changed.
    TBox Draw(const TMyWin& w, const TBox& clip)
    {
        Clear();
        DrawWindowFrame(target, skin, w, clip);
        TBox changed;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (PixGetPixel(target, x, y) != kUntouched)
                    BoxUnion(changed, x, y, x, y);
        return changed;
    }

    std::vector<int64_t> Pixels() const
    {
        std::vector<int64_t> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(PixGetPixel(target, x, y));
        return pixels;
    }

    TPixelBuffer skin = DrawWindowSkin();
    TPixelBuffer target;
    TBox whole = BoxFromOrigin(0, 0, kWidth, kHeight);
};

TEST_F(WindowFrame, PaintsTheFrameBoxButNeverTheClientBoxOrOutsideTheClip)
{
    struct Case {
        const char* what;
        TMyWin window;
    };
    std::vector<Case> cases;
    cases.push_back({"pocket, both bars", Window(WindowKind::Pocket, 30, 20, 160, 140, 500, 500)});
    cases.push_back({"pocket, vertical bar only", Window(WindowKind::Pocket, 30, 20, 160, 140, 100, 500)});
    cases.push_back({"pocket, no bars", Window(WindowKind::Pocket, 30, 20, 160, 140, 50, 50)});
    cases.push_back({"smallest pocket, both bars", Window(WindowKind::Pocket, 0, 0, 1, 1, 900, 900)});
    cases.push_back({"thumbnail window", Window(WindowKind::Thumbnail, 50, 60, 120, 100, 0, 0)});
    cases.push_back({"side, both bars", Window(WindowKind::Side, 0, 0, kWidth, kHeight, 800, 800)});
    cases[0].window.active = true;
    for (TWinControl& control : cases[0].window.controls) {
        control.windowActive = true;
        control.hot = true;
    }
    cases[1].window.controls[kVerticalThumb].pressed = true;

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TMyWin& w = c.window;
        Draw(w, whole);
        int painted = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const bool untouched = PixGetPixel(target, x, y) == kUntouched;
                if (!BoxContains(w.frame, x, y) || BoxContains(w.client, x, y)) {
                    ASSERT_TRUE(untouched) << x << ", " << y;
                } else {
                    painted += !untouched;
                }
            }
        // Only rounded corners and the close button's margin may show through.
        EXPECT_GT(painted, w.frame.width * w.frame.height - w.client.width * w.client.height - 120);

        const TBox clip = BoxFromCorners(w.frame.left + 7, w.frame.top + 5, w.frame.left + 60, w.frame.bottom - 9);
        EXPECT_FALSE(BoxIsEmpty(Draw(w, clip)));
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (!BoxContains(clip, x, y)) {
                    ASSERT_EQ(PixGetPixel(target, x, y), kUntouched) << x << ", " << y;
                }
    }
}

TEST_F(WindowFrame, ActivityHoverAndPressingShowInTheArt)
{
    TMyWin pocket = Window(WindowKind::Pocket, 30, 20, 160, 140, 500, 500);
    std::set<std::vector<int64_t>> looks;
    auto look = [&](bool active, bool hot, bool pressed) {
        pocket.active = active;
        TWinControl& close = pocket.controls[kCloseButton];
        close.windowActive = active;
        close.hot = hot;
        close.pressed = pressed;
        Draw(pocket, whole);
        looks.insert(Pixels());
    };
    look(false, false, false);
    look(false, true, false);
    look(true, false, false);
    look(true, true, false);
    look(true, true, true);
    EXPECT_EQ(looks.size(), 5u);

    pocket.controls[kCloseButton].pressed = false;
    pocket.controls[kScrollLeftArrow].pressed = true;
    Draw(pocket, whole);
    EXPECT_EQ(looks.count(Pixels()), 0u) << "a pressed arrow looks pressed";
}

// Writes a solid white block as the text.
class BlockPainter : public TextPainter {
public:
    explicit BlockPainter(int width) : width(width) {}
    void DrawCaptionText(TPixelBuffer& image, std::string_view) override
    {
        PixFillRect(image, 5, 4, width, 9, 0xFFFFFF);
    }
    int width;
};

TEST_F(WindowFrame, CaptionInkIsCentredOverTheFrameInsideTheCaptionTextBox)
{
    struct Case {
        const char* what;
        int frameWidth;
        int inkWidth;
        int expectedLeft;   // from the frame's left
        int expectedWidth;
    };
    // A pocket's caption text box runs from 12 to frame width - 28, from the frame's top over 22
    // rows; a 9-row ink lands 13 / 2 + 1 = 7 rows down.
    const Case cases[] = {
        {"centred", 200, 30, (200 - 30) / 2, 30},
        {"never left of the box", 200, 200, 12, 200 - 12 - 27},
        {"never under the close button", 86, 45, 86 - 28 - 45 + 1, 45},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TMyWin pocket = Window(WindowKind::Pocket, 40, 30, c.frameWidth, 120, 0, 0);
        ASSERT_EQ(pocket.frame.width, c.frameWidth);
        Draw(pocket, whole);
        const std::vector<int64_t> plain = Pixels();

        BlockPainter painter(c.inkWidth);
        SetCaption(pocket, "text");
        RenderCaption(pocket, painter);
        Draw(pocket, whole);
        TBox caption;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (PixGetPixel(target, x, y) != plain[size_t(y * kWidth + x)]) {
                    EXPECT_EQ(PixGetPixel(target, x, y), 0xFFFFFF) << x << ", " << y;
                    BoxUnion(caption, x, y, x, y);
                }
        EXPECT_EQ(caption, BoxFromOrigin(40 + c.expectedLeft, 30 + 7, c.expectedWidth, 9));
    }
}

}  // namespace
}  // namespace kirvo
