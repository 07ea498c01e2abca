// Window skin: the picture the play windows' frames, caption bars, scroll bars, size grips and
// close buttons are drawn from, and where each part lies in it.
//
// The picture is drawn by code once, when the field image is made (about 16 000 pixels), as a
// 32-bit buffer whose alpha shapes the rounded corners. A frame is a nine-slice picture for the
// fixed border and caption sizes of pockets and the thumbnail window: its corners are copied and
// its edges stretched from the one pixel column or row between them, which is what PixBlendBlit
// stretches. The thumbs copy their two ends and stretch their middle column (or row). The glass
// has a skin of its own.
#pragma once

#include "playfield/PlayWindow.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

// A rectangle of the skin picture.
struct SkinPart {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kFrameSkinCorner = 8;                            // width of a frame's corner pieces
inline constexpr int kFrameSkinTop = kPocketBorder + kPocketCaption;  // top border and caption bar
inline constexpr SkinPart kActiveFrameSkin {0, 0, 2 * kFrameSkinCorner + 1, kFrameSkinTop + 1 + kPocketBorder};
inline constexpr SkinPart kInactiveFrameSkin {20, 0, kActiveFrameSkin.width, kActiveFrameSkin.height};
inline constexpr SkinPart kHorizontalTrackSkin {40, 0, 1, kBarSize};  // stretched across the track
inline constexpr SkinPart kVerticalTrackSkin {42, 0, kBarSize, 1};
inline constexpr SkinPart kSizeGripSkin {102, 30, kBarSize, kBarSize};
inline constexpr int kThumbSkinLength = 11;  // ends of 5 pixels around the stretched middle

// The skin picture.
TPixelBuffer DrawWindowSkin();

// The picture of a close button, scroll arrow or thumb of a side, pocket or the thumbnail window
// in its current state: pressed, else (for four-state controls) hot and active each have their own.
SkinPart ControlSkin(const TWinControl& control);

}  // namespace kirvo
