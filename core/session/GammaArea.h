// The gamma area of the colour picker: a continuous colour field of 300 x 300 pixels, drawn as a
// hue square or a hue circle, and the marker that shows where the selected colour lies on it.
//
// Square: the hue runs from left to right through six sectors of 60 degrees (red, magenta, blue,
// cyan, green, yellow and back towards red); each colour fades towards white above the middle row
// and towards black below it. Circle (radius 150 about the centre): the hue runs clockwise from
// red straight above the centre; colours are white at the centre, pure halfway out and black at
// the rim. Every step is integer arithmetic, so the same pixel always gets the same colour.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "raster/PixelBuffer.h"

namespace kirvo {

enum class GammaShape { Circle = 0, Square = 1 };

inline constexpr int kGammaSide = 300;

// Whether (x, y) lies on the colour field: inside the picture, and in circle mode less than the
// radius from the centre (the distance rounded to the nearest integer, halves to even).
bool GammaContains(GammaShape shape, int x, int y);

// area becomes a new 24-bit kGammaSide x kGammaSide picture of the field; pixels outside the
// circle get faceColour.
void RenderGammaArea(TPixelBuffer& area, GammaShape shape, uint32_t faceColour);

// The pixel of the field whose red, green and blue each differ from colour by at most 5, with the
// smallest sum of the three differences (the first in row order among equals); nothing when no
// pixel is that close.
std::optional<std::pair<int, int>> FindGammaMarker(const TPixelBuffer& area, GammaShape shape, uint32_t colour);

// Inverts the pixels on the outline of the 5 x 5 square centred on (x, y), as far as it lies on
// the picture.
void MarkGamma(TPixelBuffer& area, int x, int y);

}  // namespace kirvo
