// Real to integer as the cut needs it: to the nearest integer, halves to even, so that the
// same picture, settings and seed always give the same pieces.
#pragma once

#include <cmath>

namespace kirvo {

inline int RoundHalfEven(double value)
{
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return static_cast<int>(whole);
}

}  // namespace kirvo
