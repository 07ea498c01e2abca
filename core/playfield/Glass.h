// Glass: the magnifying glass the player may lay over the field, and the mouse acting through it.
//
// The glass is a frameless play window (PlayWindows::glass) whose client box is the lens box. Its
// lens is the ellipse filling that box: the centre part of the field under it, lens width div zoom
// by lens height div zoom, is shown with every field pixel repeated zoom times in both directions.
// A point the player points at inside the ellipse stands for the field point the lens shows
// there, so pieces are picked, carried and dropped through the lens.
//
// The glass is drawn over the field image after every redraw and never composed into the under
// image: each redraw first reads the field part it magnifies, then lays the corner images and
// buttons of the glass skin, then the lens. The lens mask is black outside the ellipse, white
// inside it, with its rim in a light grey along the upper-left half and a dark grey along the
// lower-right half; it is remade whenever the lens size differs from the one it was made for.
//
// Cost: a redraw of the glass reads the magnified part once and writes each lens pixel once
// (at most 480 x 480); the work buffers are sized once and nothing allocates afterwards.
#pragma once

#include <cstdint>

#include "game/GameState.h"
#include "playfield/PlayWindow.h"
#include "raster/Box.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kGlassBufferSize = 490;  // the work buffers, room for the largest lens
inline constexpr uint8_t kLensOutside = 0x00;  // mask grey levels
inline constexpr uint8_t kLensInside = 0xFF;
inline constexpr uint8_t kLensRimLight = 0xF2;  // upper-left half of the rim
inline constexpr uint8_t kLensRimDark = 0x0D;   // lower-right half

struct GlassLens {
    TPixelBuffer mask;    // 24-bit grey levels, one per lens pixel
    TPixelBuffer source;  // the field part the lens magnifies, read before the glass covers it
    int maskWidth = 0;    // the lens size the mask was made for
    int maskHeight = 0;
};

// Turns the glass on at the field's top-left corner, or off; asks for a full redraw. Callers
// prepare the drag images again.
void ToggleGlass(PlayWindows& windows, GameState& state);
// Shows the glass with its frame at (0, 0), laid out.
void ShowGlassAtCorner(PlayWindows& windows);
// The zoom buttons: GlassZoom3 magnifies three times and shows the other button, GlassZoom2 the
// reverse. Other parts change nothing.
void SetGlassZoom(PlayWindows& windows, WindowPart button);

// When the glass is shown and the field point lies inside its ellipse, replaces it with the field
// point the lens shows there and answers true.
bool MapThroughLens(const PlayWindows& windows, int& x, int& y);

// Fills the mask for a lens of width x height (at most kGlassMaxClient each).
void MakeLensMask(GlassLens& lens, int width, int height);
// Draws the shown glass over the field image, clipped to the field box.
void DrawGlass(TPixelBuffer& target, const TBox& fieldBox, GlassLens& lens, const PlayWindows& windows,
               const TPixelBuffer& skin);

}  // namespace kirvo
