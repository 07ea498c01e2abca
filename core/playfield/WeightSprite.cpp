#include "playfield/WeightSprite.h"

#include <algorithm>
#include <cmath>

namespace kirvo {

namespace {

constexpr int kSamples = 4;  // per axis and pixel: the edges are smoothed by coverage

// The body: a trapezoid from the handle's foot to the base, narrower at the top.
constexpr float kBodyTop = 15.0f;
constexpr float kBodyBottom = 37.0f;
constexpr float kBodyTopHalf = 11.0f;
constexpr float kBodyBottomHalf = 18.0f;
// The handle: a ring above the body.
constexpr float kRingX = 20.0f;
constexpr float kRingY = 10.0f;
constexpr float kRingOuter = 8.5f;
constexpr float kRingInner = 4.5f;

bool InBody(float x, float y)
{
    if (y < kBodyTop || y > kBodyBottom)
        return false;
    const float half = kBodyTopHalf + (kBodyBottomHalf - kBodyTopHalf) * (y - kBodyTop) / (kBodyBottom - kBodyTop);
    return std::abs(x - kRingX) <= half;
}

bool InRing(float x, float y)
{
    const float distance = std::hypot(x - kRingX, y - kRingY);
    return distance >= kRingInner && distance <= kRingOuter;
}

// Dark iron, lighter towards the upper left; the ring a little darker than the body.
Rgb IronAt(float x, float y, bool body)
{
    const float light = std::clamp(1.0f - (x - 2.0f) / 40.0f - (y - 2.0f) / 80.0f, 0.0f, 1.0f);
    const int level = int(std::lround((body ? 60.0f : 48.0f) + 70.0f * light));
    return {uint8_t(level), uint8_t(level), uint8_t(std::min(255, level + 8))};
}

}  // namespace

TPixelBuffer DrawWeightSprite()
{
    TPixelBuffer sprite;
    PixCreate32(sprite, kWeightSpriteWidth, kWeightSpriteHeight);
    for (int y = 0; y < kWeightSpriteHeight; ++y) {
        for (int x = 0; x < kWeightSpriteWidth; ++x) {
            int bodyHits = 0;
            int ringHits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const float fx = x + (sx + 0.5f) / kSamples;
                    const float fy = y + (sy + 0.5f) / kSamples;
                    if (InBody(fx, fy))
                        ++bodyHits;
                    else if (InRing(fx, fy))
                        ++ringHits;
                }
            }
            const int hits = bodyHits + ringHits;
            if (hits == 0)
                continue;
            const Rgb iron = IronAt(x + 0.5f, y + 0.5f, bodyHits >= ringHits);
            uint8_t* pixel = PixAddress(sprite, x, y);
            pixel[0] = iron.blue;
            pixel[1] = iron.green;
            pixel[2] = iron.red;
            pixel[3] = uint8_t(hits * 255 / (kSamples * kSamples));
        }
    }
    return sprite;
}

}  // namespace kirvo
