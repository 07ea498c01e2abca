// TBox: the rectangle record of all drawing and window code.
//
// Edges are inclusive: a box from column 3 to column 5 is three pixels wide. The `+ 1` of that
// rule lives in the operations below and nowhere else. The empty box has every edge at
// kBoxUnset (-10000) and a size of 0; BoxUnion treats an edge still at kBoxUnset as not yet set.
#pragma once

#include <cstdint>

namespace kirvo {

inline constexpr int kBoxUnset = -10000;

struct TBox {
    int left = kBoxUnset;
    int top = kBoxUnset;
    int right = kBoxUnset;
    int bottom = kBoxUnset;
    int width = 0;   // right - left + 1
    int height = 0;  // bottom - top + 1

    friend bool operator==(const TBox&, const TBox&) = default;
};

void BoxClear(TBox& box);
TBox BoxFromCorners(int left, int top, int right, int bottom);
TBox BoxFromOrigin(int left, int top, int width, int height);
// Grows the box edge by edge to take in the rectangle; an unset edge takes the given value.
void BoxUnion(TBox& box, int left, int top, int right, int bottom);
// Grows the box to take in more; an empty more changes nothing.
void BoxUnionWith(TBox& box, const TBox& more);
bool BoxIsEmpty(const TBox& box);
bool BoxContains(const TBox& box, int x, int y);
// False when the boxes do not overlap; otherwise true with the common part in *out (if given).
// *out is cleared first either way.
bool BoxIntersect(const TBox& a, const TBox& b, TBox* out = nullptr);
void BoxMoveTo(TBox& box, int x, int y);
void BoxAdjust(TBox& box, int dLeft, int dTop, int dWidth, int dHeight);
// Clips a destination rectangle (x, y, w, h) to the box, moving the source origin along.
// Returns whether anything is left.
bool BoxClipBlit(const TBox& box, int& x, int& y, int& w, int& h, int& srcX, int& srcY);

// Small helpers of the drawing code. Colours are 0x00BBGGRR: red in the low byte.
inline uint8_t ClampByte(int value) { return value < 0 ? 0 : value > 255 ? 255 : uint8_t(value); }
inline int MaxInt(int a, int b) { return a > b ? a : b; }
inline int MinInt(int a, int b) { return a < b ? a : b; }
// Upper bound when value exceeds it, else the larger of value and lower bound.
inline int Clamp3(int value, int lower, int upper) { return value > upper ? upper : MaxInt(value, lower); }
inline uint32_t MakeColour(int red, int green, int blue) { return uint32_t(red) + uint32_t(green) * 256u + uint32_t(blue) * 65536u; }

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline Rgb SplitColour(uint32_t colour) { return {uint8_t(colour & 0xFF), uint8_t((colour >> 8) & 0xFF), uint8_t((colour >> 16) & 0xFF)}; }

}  // namespace kirvo
