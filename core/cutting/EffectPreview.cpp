#include "cutting/EffectPreview.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cutting/Relief.h"
#include "game/PieceLook.h"
#include "raster/Box.h"

namespace kirvo {

namespace {

// The preview's sample shape: pixels of colour 0 inside the common size.
bool InShape(const TPixelBuffer& shapeMask, int width, int height, int x, int y)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    const uint8_t* pixel = PixAddress(shapeMask, x, y);
    return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0;
}

// The relief pass in real numbers, for one pixel of the sample shape, stopping only at the
// shape's outline and the picture's edge.
int PreviewRelief(const TPixelBuffer& shapeMask, int width, int height, int x, int y, const Relief& relief)
{
    double sum = 0;
    for (int k = 0; k < 8; ++k) {
        int count = 1;
        while (count <= relief.reach && InShape(shapeMask, width, height, x + count * kReliefStepX[size_t(k)],
                                                y + count * kReliefStepY[size_t(k)]))
            ++count;
        const double distance = IsDiagonal(size_t(k)) ? count * std::sqrt(2.0) : count;
        if (distance <= relief.reach)
            sum += relief.weights[size_t(k)] * (relief.reach - distance);
    }
    return int(std::lround(std::clamp(sum, -127.0, 127.0)));
}

// The wooden edge fades by 10 a step; the shadow darkens the pixel less with every step.
void PaintPreviewBand(uint8_t* pixel, int depth, uint32_t woodColor, int woodStyle)
{
    if (woodStyle == kWoodEdge) {
        const Rgb wood = SplitColour(woodColor);
        const int fade = 10 * (depth - 1);
        pixel[0] = ClampByte(wood.blue - fade);
        pixel[1] = ClampByte(wood.green - fade);
        pixel[2] = ClampByte(wood.red - fade);
        return;
    }
    constexpr std::array<int, 5> kShade {128, 100, 72, 44, 16};
    const int keep = 256 - kShade[size_t(depth - 1)];
    for (int c = 0; c < 3; ++c)
        pixel[c] = uint8_t(keep * pixel[c] / 256);
}

}  // namespace

void DrawEffectPreview(TPixelBuffer& preview, const TPixelBuffer& shapeMask, const TPixelBuffer& source,
                       uint32_t woodColor, int woodStyle, int embossStyle)
{
    const int width = std::min({preview.width, shapeMask.width, source.width});
    const int height = std::min({preview.height, shapeMask.height, source.height});
    const int band = EdgeWidth(woodStyle, 0);
    const Relief* relief = HasRelief(embossStyle) ? &ReliefOf(embossStyle) : nullptr;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* out = PixAddress(preview, x, y);
            if (!InShape(shapeMask, width, height, x, y)) {
                for (int k = 1; k <= band; ++k)
                    if (InShape(shapeMask, width, height, x - k, y - k)) {
                        PaintPreviewBand(out, k, woodColor, woodStyle);
                        break;
                    }
                continue;
            }
            const uint8_t* in = PixAddress(source, x, y);
            const int e = relief ? PreviewRelief(shapeMask, width, height, x, y, *relief) : 0;
            for (int c = 0; c < 3; ++c)
                out[c] = ClampByte(in[c] + e);
        }
    }
}

}  // namespace kirvo
