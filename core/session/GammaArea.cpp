#include "session/GammaArea.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "base/Rounding.h"

namespace kirvo {

namespace {

constexpr int kHalfSide = kGammaSide / 2;  // the middle row of the square, the radius of the circle
constexpr int kMarkerTolerance = 5;        // per channel
constexpr int kMarkerHalf = 2;             // the marker is a 5 x 5 outline

// The hue of each 60-degree sector: where it starts and what one step adds to red, green and blue.
struct HueSector {
    int red, green, blue;
    int dRed, dGreen, dBlue;
};
constexpr HueSector kHueSectors[6] = {
    {255, 0, 0, 0, 0, 1},   {255, 0, 255, -1, 0, 0}, {0, 0, 255, 0, 1, 0},
    {0, 255, 255, 0, 0, -1}, {0, 255, 0, 1, 0, 0},   {255, 255, 0, 0, -1, 0},
};

struct Channels {
    int red, green, blue;
};

Channels Hue(int sector, int step)
{
    const HueSector& s = kHueSectors[sector];
    return {s.red + step * s.dRed, s.green + step * s.dGreen, s.blue + step * s.dBlue};
}

// Moves each channel `amount` parts of `whole` towards white (amount > 0) or black (amount < 0).
Channels Shade(Channels c, int amount, int whole)
{
    auto channel = [amount, whole](int value) {
        return amount > 0 ? value + amount * (255 - value) / whole : value + amount * value / whole;
    };
    return {channel(c.red), channel(c.green), channel(c.blue)};
}

// The distance of (x, y) from the centre, rounded as everywhere in the picker.
int CentreDistance(int x, int y)
{
    const int dx = x - kHalfSide, dy = y - kHalfSide;
    return RoundHalfEven(std::sqrt(double(dx * dx + dy * dy)));
}

Channels SquareColour(int x, int y)
{
    const int sector = std::min(x * 6 / kGammaSide, 5);
    const int step = (x * 6 - kGammaSide * sector) * 255 / kGammaSide;
    return Shade(Hue(sector, step), kHalfSide - y, kHalfSide);
}

// A point inside the circle: the hue from its angle, clockwise from straight above the centre.
Channels CircleColour(int x, int y, int distance)
{
    const int dx = x - kHalfSide, dy = y - kHalfSide;
    int angle = 0;
    if (dx != 0 || dy != 0) {
        // The angle between the upward direction (0, -1) and the point, in degrees.
        double degrees = std::acos(-dy / std::sqrt(double(dx * dx + dy * dy))) * 180.0 / std::numbers::pi;
        if (x < kHalfSide)
            degrees = 360.0 - degrees;
        angle = RoundHalfEven(degrees) % 360;
    }
    const int sector = angle * 6 / 360;
    const int step = (angle - sector * 60) * 1530 / 360;
    const int half = kHalfSide / 2;
    return Shade(Hue(sector, step), half - distance, half);
}

void StorePixel(uint8_t* pixel, Channels c)
{
    pixel[0] = uint8_t(c.blue);
    pixel[1] = uint8_t(c.green);
    pixel[2] = uint8_t(c.red);
}

}  // namespace

bool GammaContains(GammaShape shape, int x, int y)
{
    if (x < 0 || y < 0 || x >= kGammaSide || y >= kGammaSide)
        return false;
    return shape == GammaShape::Square || CentreDistance(x, y) < kHalfSide;
}

void RenderGammaArea(TPixelBuffer& area, GammaShape shape, uint32_t faceColour)
{
    PixCreate24(area, kGammaSide, kGammaSide);
    const Rgb face = SplitColour(faceColour);
    for (int y = 0; y < kGammaSide; ++y) {
        uint8_t* pixel = PixRow(area, y);
        for (int x = 0; x < kGammaSide; ++x, pixel += 3) {
            if (shape == GammaShape::Square) {
                StorePixel(pixel, SquareColour(x, y));
                continue;
            }
            const int distance = CentreDistance(x, y);
            if (distance < kHalfSide)
                StorePixel(pixel, CircleColour(x, y, distance));
            else
                StorePixel(pixel, {face.red, face.green, face.blue});
        }
    }
}

std::optional<std::pair<int, int>> FindGammaMarker(const TPixelBuffer& area, GammaShape shape, uint32_t colour)
{
    const Rgb wanted = SplitColour(colour);
    std::optional<std::pair<int, int>> best;
    int bestSum = 3 * kMarkerTolerance + 1;
    for (int y = 0; y < area.height; ++y) {
        const uint8_t* pixel = PixRow(area, y);
        for (int x = 0; x < area.width; ++x, pixel += area.bytesPerPixel) {
            const int dRed = std::abs(pixel[2] - wanted.red);
            const int dGreen = std::abs(pixel[1] - wanted.green);
            const int dBlue = std::abs(pixel[0] - wanted.blue);
            if (dRed > kMarkerTolerance || dGreen > kMarkerTolerance || dBlue > kMarkerTolerance)
                continue;
            if (dRed + dGreen + dBlue < bestSum && GammaContains(shape, x, y)) {
                bestSum = dRed + dGreen + dBlue;
                best = {x, y};
            }
        }
    }
    return best;
}

void MarkGamma(TPixelBuffer& area, int x, int y)
{
    for (int py = y - kMarkerHalf; py <= y + kMarkerHalf; ++py) {
        for (int px = x - kMarkerHalf; px <= x + kMarkerHalf; ++px) {
            const bool onOutline = std::abs(px - x) == kMarkerHalf || std::abs(py - y) == kMarkerHalf;
            if (!onOutline || px < 0 || py < 0 || px >= area.width || py >= area.height)
                continue;
            uint8_t* pixel = PixAddress(area, px, py);
            for (int i = 0; i < 3; ++i)
                pixel[i] = uint8_t(255 - pixel[i]);
        }
    }
}

}  // namespace kirvo
