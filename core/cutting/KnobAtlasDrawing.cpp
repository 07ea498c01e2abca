#include <algorithm>
#include <cassert>
#include <vector>

#include "cutting/Knob.h"
#include "cutting/KnobAtlas.h"
#include "cutting/KnobTemplates.h"

namespace kirvo {

namespace {

const uint32_t kBackground = MakeColour(255, 255, 255);
const uint32_t kSide0 = MakeColour(255, 0, 0);
const uint32_t kSide1 = MakeColour(0, 0, 255);
const uint32_t kStop = MakeColour(0, 160, 0);
const uint32_t kSeparator = MakeColour(128, 128, 128);

// The knob margin of cells this size, (MaskS - TileS) / 2, without its truncations: a knob that
// grows smoothly with the side instead of in steps of four.
double KnobHeight(int length) { return length / 4.0 - 1.0; }

// The outline the grid cut would draw for a horizontal side of this length, bulging up, with the
// base line on row 0: negative rows above it.
std::vector<PixelPoint> TraceKnob(const KnobTemplate& knob, int length)
{
    constexpr int kBase = 32;
    const uint32_t ink = 0;
    TPixelBuffer scratch;
    PixCreate24(scratch, length, 2 * kBase);
    PixFillRect(scratch, 0, 0, length, 2 * kBase, kBackground);
    DrawBezierPath(scratch, MapKnob(knob, false, {0, kBase}, {length - 1, kBase}, KnobHeight(length), 1), ink);
    std::vector<PixelPoint> trace;
    for (int y = 0; y < scratch.height; ++y)
        for (int x = 0; x < length; ++x)
            if (PixGetPixel(scratch, x, y) == ink)
                trace.push_back({x, y - kBase});
    return trace;
}

enum Cell : uint8_t { kFree, kOutline0, kOutline1 };

// One drawing of a band, L columns by the band's rows.
struct Band {
    explicit Band(int width) : width(width), cells(size_t(width) * kKnobAtlasBandRows, kFree) {}

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < kKnobAtlasBandRows; }
    Cell& At(int x, int y) { return cells[size_t(y) * width + x]; }
    Cell At(int x, int y) const { return cells[size_t(y) * width + x]; }

    // The cells a copy leaves white that reach the cells around the knob through 4-neighbours:
    // the rows above and below the band (beside it are the other sides' outlines). From the top
    // and bottom rows, or from the bottom row only.
    std::vector<bool> Open(Cell wall, bool fromTop) const
    {
        std::vector<bool> open(cells.size());
        std::vector<PixelPoint> pending;
        auto visit = [&](int x, int y) {
            if (Inside(x, y) && At(x, y) != wall && !open[size_t(y) * width + x]) {
                open[size_t(y) * width + x] = true;
                pending.push_back({x, y});
            }
        };
        for (int x = 0; x < width; ++x) {
            if (fromTop)
                visit(x, 0);
            visit(x, kKnobAtlasBandRows - 1);
        }
        while (!pending.empty()) {
            PixelPoint p = pending.back();
            pending.pop_back();
            visit(p.x - 1, p.y);
            visit(p.x + 1, p.y);
            visit(p.x, p.y - 1);
            visit(p.x, p.y + 1);
        }
        return open;
    }

    // Cells an outline closes in would stay white between the two pieces: they join the outline.
    void FillPockets(Cell outline)
    {
        std::vector<bool> open = Open(outline, true);
        for (size_t i = 0; i < cells.size(); ++i) {
            if (!open[i] && cells[i] != outline) {
                assert(cells[i] == kFree);
                cells[i] = outline;
            }
        }
    }

    bool Touches(int x, int y, Cell kind) const
    {
        auto is = [&](int nx, int ny) { return Inside(nx, ny) && At(nx, ny) == kind; };
        return is(x - 1, y) || is(x + 1, y) || is(x, y - 1) || is(x, y + 1);
    }

    int width;
    std::vector<Cell> cells;  // row by row
};

// The side-0 outline is the knob as drawn, with its base line on row depth. The side-1 outline is
// the inner edge of the cells below it: one pixel apart, never on it, and as tight, so that the
// copy turned over under the side separates the cells as well.
Band DrawBand(const std::vector<PixelPoint>& trace, int length, int depth)
{
    Band band(length);
    for (PixelPoint p : trace)
        band.At(p.x, depth + p.y) = kOutline0;
    band.FillPockets(kOutline0);
    std::vector<bool> below = band.Open(kOutline0, false);
    for (int y = 0; y < kKnobAtlasBandRows; ++y)
        for (int x = 0; x < length; ++x)
            if (below[size_t(y) * length + x] && band.Touches(x, y, kOutline0))
                band.At(x, y) = kOutline1;
    band.FillPockets(kOutline1);
    return band;
}

}  // namespace

TPixelBuffer DrawKnobAtlas()
{
    TPixelBuffer atlas;
    PixCreate24(atlas, kKnobAtlasWidth, kKnobAtlasHeight);
    PixFillRect(atlas, 0, 0, kKnobAtlasWidth, kKnobAtlasHeight, kBackground);
    const std::vector<KnobTemplate> templates = LoadKnobTemplates(KnobSet::Grid);
    for (int length = kKnobAtlasShortest; length <= kKnobAtlasLongest; ++length) {
        const int left = AtlasColumn(length);
        std::vector<std::vector<PixelPoint>> traces;
        // Every band puts the base line on the row the depth table measures in band 0: the
        // highest tip of the six touches the top row. That also makes the legend: column 4 of
        // the 20-pixel C0 drawing crosses the knob's shoulder with background on row 5, the
        // side-0 outline on row 6, the side-1 outline on row 7 and the stop row on row 8.
        int depth = 0;
        for (int t = 0; t < kKnobAtlasTemplates; ++t) {
            traces.push_back(TraceKnob(templates[t], length));
            for (PixelPoint p : traces.back())
                depth = std::max(depth, -p.y);
        }
        for (int t = 0; t < kKnobAtlasTemplates; ++t) {
            Band band = DrawBand(traces[t], length, depth);
            const int top = kKnobAtlasBandRows * t;
            int lowest = 0;
            for (int y = 0; y < kKnobAtlasBandRows; ++y)
                for (int x = 0; x < length; ++x)
                    if (band.At(x, y) != kFree) {
                        PixSetPixel(atlas, left + x, top + y, band.At(x, y) == kOutline0 ? kSide0 : kSide1);
                        lowest = std::max(lowest, y);
                    }
            assert(lowest + 1 < kKnobAtlasBandRows);
            PixLine(atlas, left, top + lowest + 1, left + length - 1, top + lowest + 1, kStop);
        }
        PixLine(atlas, left + length, 0, left + length, kKnobAtlasHeight - 1, kSeparator);
    }
    return atlas;
}

}  // namespace kirvo
