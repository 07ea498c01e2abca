#include "raster/TurnedView.h"

#include <cassert>
#include <cstring>

namespace kirvo {

TurnedView TurnedViewOf(const TPixelBuffer& buffer, int quarterTurns)
{
    assert(quarterTurns >= 0 && quarterTurns <= 3);
    if (buffer.width == 0)
        return {};
    assert(buffer.bytesPerPixel == 3);
    const ptrdiff_t right = 3;
    const ptrdiff_t down = buffer.stride;
    const uint8_t* topLeft = buffer.bits;
    const uint8_t* topRight = PixAddress(buffer, buffer.width - 1, 0);
    const uint8_t* bottomLeft = PixAddress(buffer, 0, buffer.height - 1);
    const uint8_t* bottomRight = PixAddress(buffer, buffer.width - 1, buffer.height - 1);
    const int w = buffer.width;
    const int h = buffer.height;
    switch (quarterTurns) {
    case 1:  // (x, y) comes from (y, h - 1 - x)
        return {bottomLeft, -down, right, h, w};
    case 2:  // from (w - 1 - x, h - 1 - y)
        return {bottomRight, -right, -down, w, h};
    case 3:  // from (w - 1 - y, x)
        return {topRight, down, -right, h, w};
    default:
        return {topLeft, right, down, w, h};
    }
}

void CopyTurnedRow(uint8_t* out, const TurnedView& view, int x, int y, int count, uint8_t invert)
{
    const uint8_t* in = view.At(x, y);
    if (view.stepX == 3 && invert == 0) {
        std::memcpy(out, in, 3 * size_t(count));
        return;
    }
    const ptrdiff_t step = view.stepX;
    for (int i = 0; i < count; ++i, out += 3, in += step) {
        out[0] = in[0] ^ invert;
        out[1] = in[1] ^ invert;
        out[2] = in[2] ^ invert;
    }
}

}  // namespace kirvo
