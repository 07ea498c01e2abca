#include "playfield/GlassSkin.h"

#include <algorithm>
#include <cmath>

namespace kirvo {

namespace {

constexpr int kSkinWidth = 270;
constexpr int kSkinHeight = 189;

const uint32_t kBrassLight = MakeColour(246, 214, 132);
const uint32_t kBrassDark = MakeColour(150, 102, 40);
const uint32_t kInk = MakeColour(60, 36, 16);

uint32_t Mix(uint32_t from, uint32_t to, float t)
{
    Rgb a = SplitColour(from);
    Rgb b = SplitColour(to);
    auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return MakeColour(channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue));
}

void Put(TPixelBuffer& skin, int x, int y, uint32_t colour, float coverage)
{
    uint8_t* pixel = PixAddress(skin, x, y);
    Rgb rgb = SplitColour(colour);
    pixel[0] = rgb.blue;
    pixel[1] = rgb.green;
    pixel[2] = rgb.red;
    pixel[3] = uint8_t(std::lround(std::clamp(coverage, 0.0f, 1.0f) * 255));
}

// A quarter of the bezel: a ring around (centreX, centreY), lit from the top left.
void DrawCorner(TPixelBuffer& skin, const SkinPart& part, int centreX, int centreY)
{
    const float middle = (kGlassRimOuter + kGlassRimInner) / 2.0f;
    const float half = (kGlassRimOuter - kGlassRimInner) / 2.0f;
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) {
            float dx = x + 0.5f - centreX;
            float dy = y + 0.5f - centreY;
            float distance = std::sqrt(dx * dx + dy * dy);
            float coverage = half + 0.5f - std::abs(distance - middle);
            float light = 0.5f - (dx + dy) / (4.0f * kGlassRimOuter) + (middle - distance) / (4.0f * half);
            Put(skin, part.x + x, part.y + y, Mix(kBrassDark, kBrassLight, std::clamp(light, 0.0f, 1.0f)), coverage);
        }
}

// A round brass button; its ink marks are drawn by the caller.
void DrawButton(TPixelBuffer& skin, int left, int top, int size, bool pressed)
{
    float radius = size / 2.0f;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            float dx = x + 0.5f - radius;
            float dy = y + 0.5f - radius;
            float distance = std::sqrt(dx * dx + dy * dy);
            float light = pressed ? 0.3f : 0.75f - (dx + dy) / (4.0f * radius);
            Put(skin, left + x, top + y, Mix(kBrassDark, kBrassLight, std::clamp(light, 0.0f, 1.0f)), radius - distance + 0.5f);
        }
}

void DrawClose(TPixelBuffer& skin, int top, bool pressed)
{
    const SkinPart& part = kGlassCloseSkin;
    DrawButton(skin, part.x, top, part.width, pressed);
    int shift = pressed ? 1 : 0;
    for (int i = 4; i < 10; ++i) {
        Put(skin, part.x + i + shift, top + i + shift, kInk, 1);
        Put(skin, part.x + 13 - i + shift, top + i + shift, kInk, 1);
    }
}

// A zoom button: a little lens with as many dots as the magnification.
void DrawZoom(TPixelBuffer& skin, const SkinPart& part, int top, int dots, bool pressed)
{
    DrawButton(skin, part.x, top, part.width, pressed);
    int shift = pressed ? 1 : 0;
    const float cx = 11.5f, cy = 11.5f, r = 6.5f;
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) {
            float distance = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            bool ring = std::abs(distance - r) < 1.0f;
            bool handle = x == y && x >= 16 && x <= 21;
            if (ring || handle)
                Put(skin, part.x + x + shift, top + y + shift, kInk, 1);
        }
    for (int dot = 0; dot < dots; ++dot)
        Put(skin, part.x + 9 + 2 * dot + shift, top + 11 + shift, kInk, 1);
}

}  // namespace

TPixelBuffer DrawGlassSkin()
{
    TPixelBuffer skin;
    PixCreate32(skin, kSkinWidth, kSkinHeight);
    const int n = kGlassLensCorner;
    DrawCorner(skin, kGlassCornerSkins[0], n, n);
    DrawCorner(skin, kGlassCornerSkins[1], 0, n);
    DrawCorner(skin, kGlassCornerSkins[2], n, 0);
    DrawCorner(skin, kGlassCornerSkins[3], 0, 0);
    for (bool pressed : {false, true}) {
        DrawClose(skin, kGlassCloseSkin.y + (pressed ? kGlassClosePressedOffset : 0), pressed);
        int zoomTop = kGlassZoom3Skin.y + (pressed ? kGlassZoomPressedOffset : 0);
        DrawZoom(skin, kGlassZoom3Skin, zoomTop, 3, pressed);
        DrawZoom(skin, kGlassZoom2Skin, zoomTop, 2, pressed);
    }
    return skin;
}

}  // namespace kirvo
