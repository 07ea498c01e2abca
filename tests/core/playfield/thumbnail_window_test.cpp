// The thumbnail window: its sizes for wide and tall pictures, the thumbnail picture drawn at its
// client size, and the toggle.
#include "playfield/ThumbnailWindow.h"

#include <gtest/gtest.h>

namespace kirvo {
namespace {

TEST(ThumbnailWindow, SizesFollowThePicture)
{
    const struct {
        int width, height;
        WindowSize max, min, client;
    } cases[] = {
        {800, 600, {400, 300}, {53, 40}, {200, 150}},
        {600, 800, {300, 400}, {40, 53}, {150, 200}},
        {1000, 400, {500, 200}, {100, 40}, {250, 100}},
        {500, 500, {250, 250}, {40, 40}, {125, 125}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        TMyWin thumb;
        InitialiseWindow(thumb, 30, 20, WindowKind::Thumbnail, 100, 100);
        TPixelBuffer thumbnail;
        SizeThumbnailWindow(thumb, thumbnail, c.width, c.height);
        EXPECT_EQ((WindowSize {thumb.maxClientWidth, thumb.maxClientHeight}), c.max);
        EXPECT_EQ((WindowSize {thumb.minClientWidth, thumb.minClientHeight}), c.min);
        EXPECT_EQ((WindowSize {thumb.client.width, thumb.client.height}), c.client);
        EXPECT_EQ((WindowSize {thumbnail.width, thumbnail.height}), c.max);
        EXPECT_EQ(thumb.frame.left, 30) << "the window stays where it was";
    }
}

// After a resize the thumbnail picture holds the picture at the new client size: a picture of
// four coloured quarters shows its quarters' colours at the quarters of the client box.
TEST(ThumbnailWindow, RenderDrawsThePictureAtTheClientSize)
{
    const uint32_t colours[2][2] = {{0x0000FF, 0x00FF00}, {0xFF0000, 0xFFFFFF}};
    TPixelBuffer picture;
    PixCreate24(picture, 400, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            PixSetPixel(picture, x, y, colours[y / 150][x / 200]);
    TMyWin thumb;
    InitialiseWindow(thumb, 0, 0, WindowKind::Thumbnail, 100, 100);
    TPixelBuffer thumbnail;
    SizeThumbnailWindow(thumb, thumbnail, 400, 300);
    for (int width : {100, 160, 80}) {
        SCOPED_TRACE(width);
        LayOut(thumb, SizeSource::Given, width, 0);
        ASSERT_EQ(thumb.client.width, width);
        const int height = thumb.client.height;
        EXPECT_EQ(height, width * 3 / 4);
        RenderThumbnail(thumbnail, thumb, picture);
        EXPECT_EQ(PixGetPixel(thumbnail, 1, 1), colours[0][0]);
        EXPECT_EQ(PixGetPixel(thumbnail, width - 2, 1), colours[0][1]);
        EXPECT_EQ(PixGetPixel(thumbnail, 1, height - 2), colours[1][0]);
        EXPECT_EQ(PixGetPixel(thumbnail, width - 2, height - 2), colours[1][1]);
    }
}

TEST(ThumbnailWindow, ToggleShowsItInFrontAtTheOriginAndHidesIt)
{
    PlayWindows windows;
    GameState state;
    SetStartField(windows, 800, 600);
    InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    TMyWin& thumb = windows.windows[MW_THUMB];
    BoxMoveTo(thumb.frame, 300, 200);
    ToggleThumbnailWindow(windows, state);
    EXPECT_TRUE(thumb.visible);
    EXPECT_EQ(thumb.frame.left, 0);
    EXPECT_EQ(thumb.frame.top, 0);
    EXPECT_EQ(thumb.client.left, kPocketBorder) << "laid out at its new place";
    EXPECT_EQ(windows.stacking.back(), MW_THUMB);
    EXPECT_EQ(state.redrawMode, RedrawMode::WholeField);
    ToggleThumbnailWindow(windows, state);
    EXPECT_FALSE(thumb.visible);
}

}  // namespace
}  // namespace kirvo
