#include "playfield/PlayWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

// An 800 x 600 field; pocket 3 is a 208 x 176 frame.
class WindowPlacesTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetStartField(windows, 800, 600);
        InitialisePlayWindows(windows, state, "Pocket %d", "Thumbnail");
    }

    TMyWin& Put(int number, int left, int top)
    {
        TMyWin& w = Window(windows, number);
        w.visible = true;
        BoxMoveTo(w.frame, left, top);
        LayOut(w, number == kPocket ? SizeSource::Given : SizeSource::FromFrame, 200, 150);
        return w;
    }

    static constexpr int kPocket = 3;
    PlayWindows windows;
    GameState state;
};

TEST_F(WindowPlacesTest, ShrinkingShowsAWindowInViewAndGrowingBackPutsItWhereItWas)
{
    struct Case {
        int left;
        int fieldWidth;
        int shownLeft;
        int shownWidth;
        const char* what;
    };
    const Case cases[] = {
        {592, 500, 292, 208, "at the right edge: stays at the right edge"},
        {400, 500, 292, 208, "would stick out: moved just into view"},
        {100, 500, 100, 208, "still in view: stays"},
        {700, 500, 400, 208, "put half outside: as far outside as it was"},
        {592, 150, 0, 150, "wider than the field: narrowed to it"},
        {592, 80, 0, 86, "but no narrower than a pocket can be"},
        {-100, 500, -100, 208, "put past the left edge: stays"},
        {592, 900, 592, 208, "a wider field: stays"},
    };
    for (const Case& c : cases) {
        SetUp();
        Put(kPocket, c.left, 400);
        ResizeField(windows, c.fieldWidth, 600);
        const TMyWin& pocket = windows.windows[kPocket];
        EXPECT_EQ(pocket.frame.left, c.shownLeft) << c.what;
        EXPECT_EQ(pocket.frame.width, c.shownWidth) << c.what;
        EXPECT_EQ(ChosenFrame(pocket), BoxFromOrigin(c.left, 400, 208, 176)) << c.what;
        ResizeField(windows, 800, 600);
        EXPECT_EQ(pocket.frame, BoxFromOrigin(c.left, 400, 208, 176)) << c.what;
    }
}

TEST_F(WindowPlacesTest, EveryWindowComesBackThroughSeveralSizes)
{
    const TBox pocket = Put(kPocket, 592, 424).frame;  // the bottom-right corner
    const TBox thumbnail = Put(MW_THUMB, 0, 0).frame;
    const TBox glass = Put(kGlassWindow, 500, 300).frame;
    for (auto [width, height] : {std::pair {500, 400}, std::pair {380, 420}, std::pair {700, 300}}) {
        ResizeField(windows, width, height);
        const TBox& shown = windows.windows[kPocket].frame;
        EXPECT_EQ(shown.right, width - 1) << width << " x " << height;
        EXPECT_EQ(shown.bottom, height - 1) << width << " x " << height;
        EXPECT_LE(windows.glass.frame.right, width - 1) << width << " x " << height;
    }
    ResizeField(windows, 800, 600);
    EXPECT_EQ(windows.windows[kPocket].frame, pocket);
    EXPECT_EQ(windows.windows[MW_THUMB].frame, thumbnail);
    EXPECT_EQ(windows.glass.frame, glass);
}

TEST_F(WindowPlacesTest, AWindowMovedInTheSmallFieldStaysWhereItWasPut)
{
    Put(kPocket, 592, 0);
    ResizeField(windows, 500, 600);
    BoxMoveTo(windows.windows[kPocket].frame, 40, 60);  // the player's move, or a pocket command
    LayOut(windows.windows[kPocket], SizeSource::FromFrame);
    EXPECT_EQ(ChosenFrame(windows.windows[kPocket]).left, 40);
    ResizeField(windows, 800, 600);
    EXPECT_EQ(windows.windows[kPocket].frame, BoxFromOrigin(40, 60, 208, 176));
    // and from there on it keeps that place.
    ResizeField(windows, 200, 600);
    EXPECT_EQ(windows.windows[kPocket].frame.left, 0);
    ResizeField(windows, 800, 600);
    EXPECT_EQ(windows.windows[kPocket].frame.left, 40);
}

}  // namespace
}  // namespace kirvo
