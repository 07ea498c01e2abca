#include "raster/PixelBuffer.h"

#include <cassert>
#include <vector>

namespace kirvo {

namespace {

constexpr int kOne = 32768;  // 1.0 in 15-bit fixed point

// Where destination pixel i samples the source along one axis: the source pixel before it, the
// one after it (itself when the source is one pixel across), and the weight of the one after.
struct Tap {
    int before;
    int after;
    int fraction;  // 0 .. kOne - 1
};

// The step is ((srcSize - 1) * kOne) div dstSize, so the last destination pixel stays short of
// the last source pixel and "after" never leaves the source. Positions are 64-bit because
// (srcSize - 1) * kOne overflows 32 bits for sources wider than 65536 pixels.
std::vector<Tap> Taps(int dstSize, int srcSize)
{
    int64_t step = int64_t(srcSize - 1) * kOne / dstSize;
    std::vector<Tap> taps;
    taps.reserve(dstSize);
    for (int i = 0; i < dstSize; ++i) {
        int64_t position = i * step;
        int before = int(position >> 15);
        taps.push_back({before, MinInt(before + 1, srcSize - 1), int(position & (kOne - 1))});
    }
    return taps;
}

}  // namespace

void PixScale(TPixelBuffer& dst, const TPixelBuffer& src)
{
    PixScaleRegion(dst, dst.width, dst.height, src, src.width, src.height);
}

void PixScaleRegion(TPixelBuffer& dst, int dstW, int dstH, const TPixelBuffer& src, int srcW, int srcH)
{
    // A zero height would divide by zero below, not only a zero width.
    if (dstW <= 0 || dstH <= 0 || srcW <= 0 || srcH <= 0)
        return;
    assert(dstW <= dst.width && dstH <= dst.height && srcW <= src.width && srcH <= src.height);

    // Columns are the same for every row: turn them into byte offsets once.
    std::vector<Tap> columns = Taps(dstW, srcW);
    for (Tap& column : columns) {
        column.before *= src.bytesPerPixel;
        column.after *= src.bytesPerPixel;
    }
    std::vector<Tap> rows = Taps(dstH, srcH);

    // Byte stores may alias anything, the buffers' fields included: keep the step in a local.
    const int outStep = dst.bytesPerPixel;
    for (int y = 0; y < dstH; ++y) {
        const uint8_t* row0 = PixRow(src, rows[y].before);
        const uint8_t* row1 = PixRow(src, rows[y].after);
        const int fy = rows[y].fraction;
        uint8_t* out = PixRow(dst, y);
        for (Tap column : columns) {
            // The four weights sum to kOne: wTopLeft = (kOne - fy) - wTopRight and wBottomLeft =
            // fy - wBottomRight. Folding those two in gives exactly the same weighted sum with
            // three multiplies per channel instead of four.
            int wTopRight = column.fraction * (kOne - fy) >> 15;
            int wBottomRight = column.fraction * fy >> 15;
            const uint8_t* topLeft = row0 + column.before;
            const uint8_t* topRight = row0 + column.after;
            const uint8_t* bottomLeft = row1 + column.before;
            const uint8_t* bottomRight = row1 + column.after;
            // All reads before the first write, which the compiler must assume could change them.
            int mixed[3];
            for (int channel = 0; channel < 3; ++channel)
                mixed[channel] = (topLeft[channel] * kOne + (bottomLeft[channel] - topLeft[channel]) * fy
                                  + (topRight[channel] - topLeft[channel]) * wTopRight
                                  + (bottomRight[channel] - bottomLeft[channel]) * wBottomRight)
                                 >> 15;
            out[0] = uint8_t(mixed[0]);
            out[1] = uint8_t(mixed[1]);
            out[2] = uint8_t(mixed[2]);
            out += outStep;
        }
    }
}

}  // namespace kirvo
