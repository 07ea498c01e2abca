#include "cutting/MaskCleanup.h"

#include "cutting/CutCanvas.h"

namespace kirvo {

TBox CleanMask(TPixelBuffer& canvas, int imageW, int imageH, uint32_t colour, const TBox& box)
{
    TBox found;
    const int left = MaxInt(box.left, 0);
    const int top = MaxInt(box.top, 0);
    const int right = MinInt(box.right, imageW - 1);
    const int bottom = MinInt(box.bottom, imageH - 1);
    if (left > right || top > bottom)
        return found;
    const int stride = canvas.stride;
    for (int y = top; y <= bottom; ++y) {
        uint8_t* pixel = PixAddress(canvas, left, y);
        // The run of the colour being passed over: boxed once it ends, not pixel by pixel.
        int runStart = -1;
        for (int x = left; x <= right; ++x, pixel += 3) {
            uint32_t here = ColourAt(pixel);
            if (here == kUnowned && y > top && y < bottom && x > left && x < right) {
                int matching = (ColourAt(pixel - stride) == colour) + (ColourAt(pixel + stride) == colour) +
                               (ColourAt(pixel - 3) == colour) + (ColourAt(pixel + 3) == colour);
                if (matching == 4) {
                    PutColour(pixel, colour);
                    here = colour;
                } else if (matching > 0) {
                    TBox filled;
                    PixFloodFill(canvas, x, y, colour, &filled);
                    BoxUnion(found, filled.left, filled.top, filled.right, filled.bottom);
                    here = colour;
                }
            }
            if (here == colour) {
                if (runStart < 0)
                    runStart = x;
            } else if (runStart >= 0) {
                BoxUnion(found, runStart, y, x - 1, y);
                runStart = -1;
            }
        }
        if (runStart >= 0)
            BoxUnion(found, runStart, y, right, y);
    }
    return found;
}

}  // namespace kirvo
