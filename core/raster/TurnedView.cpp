#include "raster/TurnedView.h"

#include <algorithm>
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
    const uint8_t* end = bottomRight + 3;
    const int w = buffer.width;
    const int h = buffer.height;
    switch (quarterTurns) {
    case 1:  // (x, y) comes from (y, h - 1 - x)
        return {bottomLeft, end, -down, right, h, w};
    case 2:  // from (w - 1 - x, h - 1 - y)
        return {bottomRight, end, -right, -down, w, h};
    case 3:  // from (w - 1 - y, x)
        return {topRight, end, down, -right, h, w};
    default:
        return {topLeft, end, right, down, w, h};
    }
}

void CopyTurnedRow(uint8_t* out, const TurnedView& view, int x, int y, int count, uint8_t invert)
{
    const uint8_t* in = view.At(x, y);
    if (view.stepX == 3 && invert == 0) {
        std::memcpy(out, in, 3 * size_t(count));
        return;
    }
    // A pixel at a time, moved as a 4-byte word whose last byte the next pixel overwrites; the
    // run's last pixel, and a pixel at the very end of the buffer, byte by byte.
    const ptrdiff_t step = view.stepX;
    const uint32_t invertWord = invert * 0x01010101u;
    for (int i = 0; i < count; ++i, out += 3, in += step) {
        if (i + 1 < count && in + 4 <= view.end) {
            uint32_t word;
            std::memcpy(&word, in, 4);
            word ^= invertWord;
            std::memcpy(out, &word, 4);
        } else {
            out[0] = in[0] ^ invert;
            out[1] = in[1] ^ invert;
            out[2] = in[2] ^ invert;
        }
    }
}

void PrefetchTurned(const TurnedView& view, int left, int top, int right, int bottom)
{
    left = MaxInt(left, 0);
    top = MaxInt(top, 0);
    right = MinInt(right, view.width - 1);
    bottom = MinInt(bottom, view.height - 1);
    if (right < left || bottom < top)
        return;
    const bool alongRows = view.stepX == 3 || view.stepX == -3;
    const int lines = alongRows ? bottom - top + 1 : right - left + 1;
    for (int k = 0; k < lines; ++k) {
        const uint8_t* a = alongRows ? view.At(left, top + k) : view.At(left + k, top);
        const uint8_t* b = alongRows ? view.At(right, top + k) : view.At(left + k, bottom);
        const uintptr_t last = uintptr_t(std::max(a, b)) + 2;
        for (uintptr_t line = uintptr_t(std::min(a, b)) & ~uintptr_t(63); line <= last; line += 64)
            __builtin_prefetch(reinterpret_cast<const void*>(line));
    }
}

}  // namespace kirvo
