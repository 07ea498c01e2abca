// The thumbnail window: the whole picture, small, in a window the player can move by dragging
// anywhere inside it and resize in the picture's proportions.
//
// Every open sizes it for the new picture: at most half the picture's size, at least 40 pixels on
// its smaller side, a quarter of the picture to start with. The thumbnail picture holds the
// picture scaled to the window's client size at its top-left and is drawn again after each
// resize; the compose copies that part into the client box.
#pragma once

#include "game/GameState.h"
#include "playfield/PlayWindow.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kThumbnailMinSide = 40;

// Limits and client size of the window for a picture of that size, laid out; the thumbnail
// picture is made (pictureWidth / 2) x (pictureHeight / 2).
void SizeThumbnailWindow(TMyWin& window, TPixelBuffer& thumbnail, int pictureWidth, int pictureHeight);
// Scales the picture into the top-left of the thumbnail picture at the window's client size.
void RenderThumbnail(TPixelBuffer& thumbnail, const TMyWin& window, const TPixelBuffer& picture);
// Shows the window at (0, 0), laid out and in front of the others.
void ShowThumbnailWindow(PlayWindows& windows, GameState& state);
// The thumbnail command: shows the hidden window as above, hides the shown one; a full redraw
// follows. Callers prepare the drag images again.
void ToggleThumbnailWindow(PlayWindows& windows, GameState& state);

}  // namespace kirvo
