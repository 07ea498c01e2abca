#include "playfield/ThumbnailWindow.h"

namespace kirvo {

void SizeThumbnailWindow(TMyWin& window, TPixelBuffer& thumbnail, int pictureWidth, int pictureHeight)
{
    const int maxWidth = MaxInt(1, pictureWidth / 2);
    const int maxHeight = MaxInt(1, pictureHeight / 2);
    // The smaller side is kThumbnailMinSide, the other follows the picture's proportions.
    int minWidth = kThumbnailMinSide;
    int minHeight = kThumbnailMinSide;
    if (maxHeight < maxWidth)
        minWidth = maxWidth * kThumbnailMinSide / maxHeight;
    else
        minHeight = maxHeight * kThumbnailMinSide / maxWidth;
    SetClientLimits(window, minWidth, minHeight, maxWidth, maxHeight);
    LayOut(window, SizeSource::Given, pictureWidth / 4, pictureHeight / 4);
    PixCreate24(thumbnail, maxWidth, maxHeight);
}

void RenderThumbnail(TPixelBuffer& thumbnail, const TMyWin& window, const TPixelBuffer& picture)
{
    PixScaleRegion(thumbnail, MinInt(window.client.width, thumbnail.width),
                   MinInt(window.client.height, thumbnail.height), picture, picture.width, picture.height);
}

void ShowThumbnailWindow(PlayWindows& windows, GameState& state)
{
    TMyWin& window = windows.windows[MW_THUMB];
    SetVisible(windows, state, MW_THUMB, Visibility::Shown);
    BoxMoveTo(window.frame, 0, 0);
    LayOut(window, SizeSource::FromFrame);
    BringToFront(windows, state, MW_THUMB);
}

void ToggleThumbnailWindow(PlayWindows& windows, GameState& state)
{
    if (windows.windows[MW_THUMB].visible)
        SetVisible(windows, state, MW_THUMB, Visibility::Hidden);
    else
        ShowThumbnailWindow(windows, state);
    state.redrawMode = RedrawMode::WholeField;
}

}  // namespace kirvo
