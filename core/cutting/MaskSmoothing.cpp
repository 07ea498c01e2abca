#include "cutting/MaskSmoothing.h"

#include <array>
#include <cstddef>

#include "cutting/CutCanvas.h"

namespace kirvo {

namespace {

// One pass along a boundary line of count pixels from first, corners included, stepping along;
// inward leads to the neighbour inside the cut area.
void DespeckleLine(uint8_t* first, int count, ptrdiff_t along, ptrdiff_t inward)
{
    uint8_t* pixel = first + along;
    for (int i = 1; i < count - 1; ++i, pixel += along) {
        uint8_t* next = pixel + along;
        if (ColourAt(next) != ColourAt(pixel))
            continue;
        uint32_t previous = ColourAt(pixel - along);
        if (ColourAt(pixel + inward) == previous && ColourAt(next + inward) == previous)
            PutColour(pixel, previous);
    }
}

void DespeckleBoundary(uint8_t* first, int count, ptrdiff_t along, ptrdiff_t inward)
{
    DespeckleLine(first, count, along, inward);
    DespeckleLine(first + (count - 1) * along, count, -along, inward);
}

// The colour a lone pixel takes from its ring (top-left, top, top-right, right, bottom-right,
// bottom, bottom-left, left): the first three equal in a row, else the first equal two.
uint32_t RingColour(const std::array<uint32_t, 8>& ring, uint32_t own)
{
    for (int i = 0; i < 8; ++i)
        if (ring[i] == ring[(i + 1) % 8] && ring[i] == ring[(i + 2) % 8])
            return ring[i];
    for (int i = 0; i < 8; ++i)
        if (ring[i] == ring[(i + 1) % 8])
            return ring[i];
    return own;
}

}  // namespace

void Despeckle(TPixelBuffer& canvas, const TBox& area)
{
    if (area.right - area.left < 2 || area.bottom - area.top < 2)
        return;
    const ptrdiff_t stride = canvas.stride;
    const int width = area.right - area.left + 1;
    const int height = area.bottom - area.top + 1;
    DespeckleBoundary(PixAddress(canvas, area.left, area.top), width, 3, stride);
    DespeckleBoundary(PixAddress(canvas, area.left, area.bottom), width, 3, -stride);
    DespeckleBoundary(PixAddress(canvas, area.left, area.top), height, stride, 3);
    DespeckleBoundary(PixAddress(canvas, area.right, area.top), height, stride, -3);

    for (int y = area.top + 1; y < area.bottom; ++y) {
        uint8_t* pixel = PixAddress(canvas, area.left + 1, y);
        for (int x = area.left + 1; x < area.right; ++x, pixel += 3) {
            // Inside a region, or along a line, two neighbours across from each other settle it.
            if ((SameColour(pixel - 3, pixel) && SameColour(pixel + 3, pixel)) ||
                (SameColour(pixel - stride, pixel) && SameColour(pixel + stride, pixel)))
                continue;
            const uint32_t own = ColourAt(pixel);
            const uint8_t* up = pixel - stride;
            const uint8_t* down = pixel + stride;
            const std::array<uint32_t, 8> ring = {
                ColourAt(up - 3),   ColourAt(up),   ColourAt(up + 3),   ColourAt(pixel + 3),
                ColourAt(down + 3), ColourAt(down), ColourAt(down - 3), ColourAt(pixel - 3),
            };
            int same = 0;
            for (uint32_t colour : ring)
                same += colour == own;
            if (same <= 1)
                PutColour(pixel, RingColour(ring, own));
        }
    }
}

}  // namespace kirvo
