#include "playfield/StarStrip.h"

#include <cmath>
#include <numbers>

#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

// Inside a five-pointed star of outer radius r at angle and distance from its centre, with the
// point's depth into it (0 at the outline).
float StarDepth(float angle, float distance, float r)
{
    const float sector = 2 * std::numbers::pi_v<float> / 5;
    const float a = std::fmod(angle + 10 * sector, sector) / sector;  // 0 and 1 at the points
    const float towardPoint = std::abs(a - 0.5f) * 2;                 // 1 at a point, 0 between
    const float edge = r * (0.42f + 0.58f * towardPoint * towardPoint);
    return edge - distance;
}

}  // namespace

TPixelBuffer DrawStarStrip()
{
    TPixelBuffer strip;
    PixCreate24(strip, kStarFrameCount * kStarStep, kStarSize);
    PixFillRect(strip, 0, 0, strip.width, strip.height, kStarKey);
    const uint32_t outline = MakeColour(170, 96, 10);
    const uint32_t gold = MakeColour(250, 196, 40);
    const uint32_t shine = MakeColour(255, 244, 170);
    const float centre = kStarSize / 2.0f;
    for (int frame = 0; frame < kStarFrameCount; ++frame) {
        const float r = 4.0f + 7.0f * frame / (kStarFrameCount - 1);
        const float turn = 0.25f * frame - std::numbers::pi_v<float> / 2;
        for (int y = 0; y < kStarSize; ++y)
            for (int x = 0; x < kStarSize; ++x) {
                const float dx = x + 0.5f - centre;
                const float dy = y + 0.5f - centre;
                const float depth = StarDepth(std::atan2(dy, dx) - turn, std::hypot(dx, dy), r);
                if (depth < 0)
                    continue;
                const uint32_t colour = depth < 1 ? outline : std::hypot(dx + 1, dy + 1) < r * 0.3f ? shine : gold;
                PixSetPixel(strip, frame * kStarStep + x, y, colour);
            }
    }
    return strip;
}

}  // namespace kirvo
