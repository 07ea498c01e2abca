// Colours with real-valued channels for the tools that paint pictures pixel by pixel: mixing,
// scaling, rounding to a stored colour, and the smooth step that softens edges.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "raster/Box.h"

namespace kirvo {

struct Colour {
    double red = 0, green = 0, blue = 0;
};

inline Colour Mix(Colour a, Colour b, double t)
{
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t, a.blue + (b.blue - a.blue) * t};
}

inline Colour Scaled(Colour c, double k) { return {c.red * k, c.green * k, c.blue * k}; }

// The colour rounded and clamped to 0x00BBGGRR.
inline uint32_t Packed(Colour c)
{
    auto channel = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return MakeColour(channel(c.red), channel(c.green), channel(c.blue));
}

// 0 up to from, 1 from to on, an S-curve between.
inline double Smoothstep(double from, double to, double x)
{
    const double t = std::clamp((x - from) / (to - from), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace kirvo
