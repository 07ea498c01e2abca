#include "game/MaskValue.h"

#include <cassert>

namespace kirvo {

int MaskValueAt(const GameState& state, int rotation, int x, int y)
{
    assert(rotation >= 0 && rotation <= 3);
    const TPixelBuffer& mask = state.buffers[kMaskBuffer];
    const bool sideways = rotation % 2 == 1;
    const MaskSize size = TurnedMaskSize(state, rotation);
    if (x < 0 || y < 0 || x >= size.width || y >= size.height)
        return -1;
    if (rotation == 0)
        return PixAddress(mask, x, y)[0];
    // The picture's part of the upright mask, which is all that is turned.
    const int pictureWidth = mask.width - kMaskMargin;
    const int pictureHeight = mask.height - kMaskMargin;
    if (x >= (sideways ? pictureHeight : pictureWidth) || y >= (sideways ? pictureWidth : pictureHeight))
        return 0;
    switch (rotation) {
    case 1:
        return PixAddress(mask, y, pictureHeight - 1 - x)[0];
    case 2:
        return PixAddress(mask, pictureWidth - 1 - x, pictureHeight - 1 - y)[0];
    default:
        return PixAddress(mask, pictureWidth - 1 - y, x)[0];
    }
}

MaskSize TurnedMaskSize(const GameState& state, int rotation)
{
    const TPixelBuffer& mask = state.buffers[kMaskBuffer];
    if (rotation % 2 == 1)
        return {mask.height, mask.width};
    return {mask.width, mask.height};
}

}  // namespace kirvo
