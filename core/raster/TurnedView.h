// TurnedView: a 24-bit buffer read as if turned a number of quarter turns clockwise, without a
// turned copy. Turning one quarter takes pixel (x, y) of a w x h buffer to (h - 1 - y, x), as
// PixRotate90 does, so every turn is an affine walk over the unturned pixels: the view keeps the
// address of its (0, 0) and how far one step right and one step down move in memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "raster/PixelBuffer.h"

namespace kirvo {

struct TurnedView {
    const uint8_t* origin = nullptr;  // the turned (0, 0); null for an empty buffer
    const uint8_t* end = nullptr;     // one past the buffer's last byte
    ptrdiff_t stepX = 0;              // bytes from (x, y) to (x + 1, y)
    ptrdiff_t stepY = 0;              // bytes from (x, y) to (x, y + 1)
    int width = 0;                    // turned; 0 = empty
    int height = 0;

    // Callers must pass points inside.
    const uint8_t* At(int x, int y) const { return origin + x * stepX + y * stepY; }
};

// The 24-bit buffer turned quarterTurns (0 to 3) quarter turns clockwise.
TurnedView TurnedViewOf(const TPixelBuffer& buffer, int quarterTurns);

// Copies count pixels of a row of the view from (x, y) to out, 3 bytes each, each byte xor-ed with
// invert: whole when the row lies along memory, pixel by pixel when it runs up or down a column.
void CopyTurnedRow(uint8_t* out, const TurnedView& view, int x, int y, int count, uint8_t invert);

// Asks the cache ahead for the pixels of a box of the view (inclusive edges, clipped to the
// view), a row of memory at a time: a turned row when the view's rows lie along memory, a turned
// column when they run up or down it. Work that is about to visit a small box of a large buffer
// calls this a little before, since its rows lie too far apart for the cache to guess.
void PrefetchTurned(const TurnedView& view, int left, int top, int right, int bottom);

}  // namespace kirvo
