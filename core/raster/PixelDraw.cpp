#include "raster/PixelBuffer.h"

#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace kirvo {

namespace {

void Put(uint8_t* pixel, Rgb rgb)
{
    pixel[0] = rgb.blue;
    pixel[1] = rgb.green;
    pixel[2] = rgb.red;
}

bool Matches(const uint8_t* pixel, Rgb rgb) { return pixel[0] == rgb.blue && pixel[1] == rgb.green && pixel[2] == rgb.red; }

// Pixels of a sloped line are checked one by one: clipping the line first would have to
// reproduce Bresenham's error term at the cut, and these lines are short.
void PutIfInside(TPixelBuffer& buffer, int x, int y, Rgb rgb)
{
    if (x >= 0 && y >= 0 && x < buffer.width && y < buffer.height)
        Put(PixAddress(buffer, x, y), rgb);
}

// Doubled deltas keep the error term in integers; a tie (err = 0) steps the minor axis.
void Bresenham(TPixelBuffer& buffer, int x1, int y1, int x2, int y2, Rgb rgb)
{
    int dx2 = 2 * std::abs(x2 - x1);
    int dy2 = 2 * std::abs(y2 - y1);
    int sx = x2 > x1 ? 1 : -1;
    int sy = y2 > y1 ? 1 : -1;
    int x = x1;
    int y = y1;
    PutIfInside(buffer, x, y, rgb);
    if (dx2 > dy2) {
        int err = dy2 - dx2 / 2;
        while (x != x2) {
            if (err >= 0) {
                y += sy;
                err -= dx2;
            }
            x += sx;
            err += dy2;
            PutIfInside(buffer, x, y, rgb);
        }
    } else {
        int err = dx2 - dy2 / 2;
        while (y != y2) {
            if (err >= 0) {
                x += sx;
                err -= dy2;
            }
            y += sy;
            err += dx2;
            PutIfInside(buffer, x, y, rgb);
        }
    }
}

struct Span {
    int left;
    int right;
};

// A filled span of row y; the row at y + direction is still to be looked at.
struct Segment {
    int y;
    Span span;
    int direction;  // +1 or -1
};

}  // namespace

void PixLine(TPixelBuffer& buffer, int x1, int y1, int x2, int y2, uint32_t colour)
{
    Rgb rgb = SplitColour(colour);
    if (y1 == y2) {
        if (x1 > x2)
            std::swap(x1, x2);
        if (y1 < 0 || y1 >= buffer.height || x2 < 0 || x1 >= buffer.width)
            return;
        x1 = MaxInt(x1, 0);
        x2 = MinInt(x2, buffer.width - 1);
        uint8_t* pixel = PixAddress(buffer, x1, y1);
        for (int x = x1; x <= x2; ++x, pixel += buffer.bytesPerPixel)
            Put(pixel, rgb);
        return;
    }
    if (x1 == x2) {
        if (y1 > y2)
            std::swap(y1, y2);
        if (x1 < 0 || x1 >= buffer.width || y2 < 0 || y1 >= buffer.height)
            return;
        y1 = MaxInt(y1, 0);
        y2 = MinInt(y2, buffer.height - 1);
        uint8_t* pixel = PixAddress(buffer, x1, y1);
        for (int y = y1; y <= y2; ++y, pixel += buffer.stride)
            Put(pixel, rgb);
        return;
    }
    Bresenham(buffer, x1, y1, x2, y2, rgb);
}

void PixFrameRect(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t colour)
{
    // Without this an empty rectangle would still draw lines at x - 1 and y - 1.
    if (w <= 0 || h <= 0)
        return;
    int right = x + w - 1;
    int bottom = y + h - 1;
    PixLine(buffer, x, y, right, y, colour);
    PixLine(buffer, right, y, right, bottom, colour);
    PixLine(buffer, right, bottom, x, bottom, colour);
    PixLine(buffer, x, bottom, x, y, colour);
}

void PixFillRect(TPixelBuffer& buffer, int x, int y, int w, int h, uint32_t colour)
{
    if (!PixClipRect(buffer, x, y, w, h))
        return;
    Rgb rgb = SplitColour(colour);
    uint8_t* first = PixAddress(buffer, x, y);
    uint8_t* row = first;
    for (int i = 0; i < h; ++i, row += buffer.stride) {
        // In a 24-bit buffer every row after the first is a copy of it; a 32-bit buffer keeps
        // each pixel's alpha, so its rows are written pixel by pixel.
        if (i > 0 && buffer.bytesPerPixel == 3) {
            std::memcpy(row, first, size_t(w) * 3);
            continue;
        }
        uint8_t* pixel = row;
        for (int j = 0; j < w; ++j, pixel += buffer.bytesPerPixel)
            Put(pixel, rgb);
    }
}

// A scan-line fill: every run is filled as soon as it is found and then queued once per side
// still to be looked at, so no pixel is filled twice and the stack never holds more than two
// segments per filled run: memory bounded by the buffer, and no recursion.
void PixFloodFill(TPixelBuffer& buffer, int x, int y, uint32_t colour, TBox* bounds)
{
    if (bounds)
        *bounds = BoxFromCorners(x, y, x, y);
    if (x < 0 || y < 0 || x >= buffer.width || y >= buffer.height)
        return;
    Rgb fill = SplitColour(colour);
    const uint8_t* seed = PixAddress(buffer, x, y);
    Rgb target{seed[2], seed[1], seed[0]};
    if (target == fill)
        return;

    const int bpp = buffer.bytesPerPixel;
    const int width = buffer.width;
    // The filled rows and columns, made the box at the end.
    int left = x;
    int top = y;
    int right = x;
    int bottom = y;
    // Fills the run of target pixels on row that takes in column at, and returns it.
    auto fillRun = [&](int row, int at) {
        uint8_t* line = PixRow(buffer, row);
        Span run{at, at};
        while (run.left > 0 && Matches(line + (run.left - 1) * bpp, target))
            --run.left;
        while (run.right + 1 < width && Matches(line + (run.right + 1) * bpp, target))
            ++run.right;
        for (uint8_t* pixel = line + run.left * bpp; pixel <= line + run.right * bpp; pixel += bpp)
            Put(pixel, fill);
        left = MinInt(left, run.left);
        right = MaxInt(right, run.right);
        top = MinInt(top, row);
        bottom = MaxInt(bottom, row);
        return run;
    };

    Span first = fillRun(y, x);
    std::vector<Segment> stack{{y, first, +1}, {y, first, -1}};
    while (!stack.empty()) {
        Segment parent = stack.back();
        stack.pop_back();
        int row = parent.y + parent.direction;
        if (row < 0 || row >= buffer.height)
            continue;
        const uint8_t* line = PixRow(buffer, row);
        for (int at = parent.span.left; at <= parent.span.right; ++at) {
            if (!Matches(line + at * bpp, target))
                continue;
            Span run = fillRun(row, at);
            stack.push_back({row, run, parent.direction});
            // Back on the parent's row, the pixels over the parent run and one either side of it
            // are filled or walls, or the parent run would have grown: only a run reaching
            // further must be looked at from that side too.
            if (run.left < parent.span.left - 1 || run.right > parent.span.right + 1)
                stack.push_back({row, run, -parent.direction});
            at = run.right + 1;
        }
    }
    if (bounds)
        *bounds = BoxFromCorners(left, top, right, bottom);
}

}  // namespace kirvo
