#include "raster/PixelBuffer.h"

#include <cstring>

namespace kirvo {

namespace {

// The turn walks the destination row by row and reads the source up a column. Square tiles keep
// the source lines that a run of destination rows shares in the cache between one row and the next.
constexpr int kTile = 64;

// Source (x, y) for x < cw, y < ch goes to destination (ch - 1 - y, x), so destination (dx, dy)
// comes from source (dy, ch - 1 - dx). Callers must clip.
void TurnQuarter(TPixelBuffer& dst, const TPixelBuffer& src, int cw, int ch)
{
    // Byte stores may alias anything, the buffers' fields included: keep the stride in a local.
    const ptrdiff_t inStride = src.stride;
    for (int tileRow = 0; tileRow < cw; tileRow += kTile) {
        int endRow = MinInt(tileRow + kTile, cw);
        for (int tileColumn = 0; tileColumn < ch; tileColumn += kTile) {
            int endColumn = MinInt(tileColumn + kTile, ch);
            for (int dy = tileRow; dy < endRow; ++dy) {
                uint8_t* out = PixAddress(dst, tileColumn, dy);
                const uint8_t* in = PixAddress(src, dy, ch - 1 - tileColumn);
                for (int dx = tileColumn; dx < endColumn; ++dx, out += 3, in -= inStride)
                    std::memcpy(out, in, 3);
            }
        }
    }
}

}  // namespace

// Each turn builds the result aside, so dst may be src itself.
void PixRotate90(TPixelBuffer& dst, const TPixelBuffer& src)
{
    TPixelBuffer turned;
    PixCreate24Unfilled(turned, src.height, src.width);
    TurnQuarter(turned, src, src.width, src.height);
    dst = std::move(turned);
}

void PixRotate90Banded(TPixelBuffer& dst, const TPixelBuffer& src, int band)
{
    band = Clamp3(band, 0, MinInt(src.width, src.height));
    TPixelBuffer turned;
    PixCreate24Unfilled(turned, src.height, src.width);
    const int cw = src.width - band;
    const int ch = src.height - band;
    TurnQuarter(turned, src, cw, ch);
    // Only the band is left unwritten by the turn: it is made black here.
    for (int y = 0; y < turned.height; ++y) {
        const int from = y < cw ? ch : 0;
        std::memset(PixAddress(turned, from, y), 0, size_t(3 * (turned.width - from)));
    }
    dst = std::move(turned);
}

}  // namespace kirvo
