// KnobAtlas: pre-drawn grid knobs for short straight sides.
//
// A 1015 x 132 picture of at most 16 colours: six bands of 22 rows, band t for template C<t>, and
// in each band one drawing per side length L from 20 to 48, L columns wide from column
// AtlasColumn(L), with a one-column separator after it. A drawing holds the knob outline twice,
// one row apart: in the side-0 colour for knobs copied with side 0 and in the side-1 colour for
// side 1, both with the tip in the band's top rows, and a row of the stop colour under them. The
// colours are whatever four legend pixels hold: background (4, 5), side 0 (4, 6), side 1 (4, 7),
// stop (4, 8). The depth table holds, per length, the rows from the top of band 0 to the first
// drawn pixel of the drawing's first column: the base line.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/Result.h"
#include "cutting/BezierPath.h"
#include "raster/PixelBuffer.h"

namespace kirvo {

inline constexpr int kKnobAtlasWidth = 1015;
inline constexpr int kKnobAtlasHeight = 132;
inline constexpr int kKnobAtlasBandRows = 22;
inline constexpr int kKnobAtlasTemplates = 6;  // C0 to C5
inline constexpr int kKnobAtlasShortest = 20;  // side lengths in pixels, inclusive
inline constexpr int kKnobAtlasLongest = 48;
inline constexpr int kKnobAtlasLengths = kKnobAtlasLongest - kKnobAtlasShortest + 1;
inline constexpr int kKnobAtlasMaxColours = 16;

struct KnobAtlas {
    int width = 0;  // 0 = no atlas: every grid knob is drawn
    int height = 0;
    std::vector<uint8_t> pixels;  // one colour index per pixel, rows top-down
    uint8_t background = 0;       // colour indices read from the legend pixels
    uint8_t side0 = 0;
    uint8_t side1 = 0;
    uint8_t stop = 0;
    std::array<int, kKnobAtlasLengths> depth {};  // per length from 20: rows down to the base line
};

// First column of the drawings for sides of this length.
int AtlasColumn(int length);

// The index form of an atlas picture: colours numbered in order of first appearance, row by row.
// Fails on a picture of another size, of more than 16 colours, or whose legend colours are not
// four different ones.
Result<KnobAtlas> KnobAtlasFromPicture(const TPixelBuffer& picture);
// The same from the bytes of a PNG file.
Result<KnobAtlas> LoadKnobAtlas(std::span<const uint8_t> bytes);

// Copies the knob of template templateIndex for the side from s to t (s the left or upper end) in
// the colour, mirrored left to right when asked; for side 0 it bulges up or left, for side 1 down
// or right. False, with nothing drawn, when the atlas has no such knob: no atlas loaded, a
// template above C5, a sloped side, or a length outside 20 to 48. Pixels off the canvas are
// skipped.
bool CopyAtlasKnob(TPixelBuffer& canvas, const KnobAtlas& atlas, int templateIndex, int side, bool mirror,
                   PixelPoint s, PixelPoint t, uint32_t colour);

// The atlas the program comes with, drawn from the grid templates: a 24-bit picture of 5 colours.
TPixelBuffer DrawKnobAtlas();

}  // namespace kirvo
