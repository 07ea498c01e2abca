#include "cutting/PieceEffects.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <vector>

#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "raster/Box.h"

namespace kirvo {

namespace {

// Light falls from the upper left: per direction (left, up, right, down, up-left, up-right,
// down-right, down-left) a weight for how close the piece's rim lies that way, within the reach.
struct Relief {
    std::array<int, 8> weights;
    int reach = 0;  // pixels
};

constexpr Relief kPaper {{20, 20, -20, -20, 40, 10, -40, -10}, 2};
constexpr Relief kCardboard {{10, 10, -10, -10, 20, 5, -20, -5}, 3};
constexpr Relief kFatCard {{8, 8, -8, -8, 12, 5, -12, -5}, 4};
constexpr int kLongestReach = 4;

constexpr std::array<int, 8> kStepX {-1, 0, 1, 0, -1, 1, 1, -1};
constexpr std::array<int, 8> kStepY {0, -1, 0, 1, -1, -1, 1, 1};

bool HasRelief(int embossStyle) { return embossStyle >= kEmbossPaper && embossStyle <= kEmbossFatCard; }

const Relief& ReliefOf(int embossStyle)
{
    return embossStyle == kEmbossPaper ? kPaper : embossStyle == kEmbossCardboard ? kCardboard : kFatCard;
}

bool Diagonal(size_t k) { return kStepX[k] != 0 && kStepY[k] != 0; }

// Inclusive edges; empty when right < left or bottom < top.
struct Area {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

bool Contains(const Area& area, int x, int y)
{
    return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
}

// The piece's box in the buffers of the rotation, grown by grow pixels to the right and downward
// and clipped to a width x height buffer: a damaged saved game may put a box anywhere.
Area PieceArea(const GameState& state, int piece, int rotation, int grow, int width, int height)
{
    const PieceBox box = RotatedSourceBox(state, piece, rotation);
    Area area;
    area.left = MaxInt(box.x, 0);
    area.top = MaxInt(box.y, 0);
    area.right = int(std::min<int64_t>(int64_t(box.x) + box.width + grow, width) - 1);
    area.bottom = int(std::min<int64_t>(int64_t(box.y) + box.height + grow, height) - 1);
    return area;
}

// The pieces of any 3 x 3 block of cells take different slots, so neighbours never share a
// depth field.
int EdgeSlot(const GameState& state, int piece)
{
    if (piece == BorderPieceIndex(state))
        return kBorderEdgeSlot;
    const int columns = MaxInt(state.descriptor.TilePX, 1);
    return piece / columns % 3 * 3 + piece % columns % 3;
}

// Every cell of the piece's box grown by the edge width takes the piece's edge bit and depth A
// when the nearest pixel of the piece diagonally up-left of it lies A steps away, A up to the
// edge width (A = 0: the piece's own pixel); other cells keep what earlier pieces left. The
// distance is carried down each diagonal row by row in distance, one entry per column.
void StampBands(GameState& state, int rotation)
{
    const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const int width = state.look.edgeWidth;
    const uint8_t none = uint8_t(width + 1);
    std::vector<uint8_t> columns(size_t(edges.width));
    uint8_t* distance = columns.data();
    for (int i = 0; i < PieceCount(state); ++i) {
        const int slot = EdgeSlot(state, i);
        const int bit = 1 << slot;
        const uint8_t value = state.pieces[size_t(i)].maskValue;
        state.pieces[size_t(i)].edgeSlot = slot;
        state.pieces[size_t(i)].edgeBit = int16_t(bit);
        const Area box = PieceArea(state, i, rotation, 0, mask.width, mask.height);
        const Area grown = PieceArea(state, i, rotation, width, edges.width, edges.height);
        if (grown.right < grown.left)
            continue;
        std::fill(distance + grown.left, distance + grown.right + 1, none);
        for (int y = grown.top; y <= grown.bottom; ++y) {
            const bool pieceRow = y <= box.bottom;
            const uint8_t* pixel = PixAddress(mask, grown.right, y);
            uint8_t* cell = EdgeCell(edges, grown.right, y);
            // Right to left, so that distance[x - 1] still holds the row above.
            for (int x = grown.right; x >= grown.left; --x, pixel -= 3, cell -= kEdgeCellSize) {
                const uint8_t above = x > grown.left ? distance[x - 1] : none;
                const bool own = pieceRow && x <= box.right && pixel[0] == value;
                const uint8_t a = own ? 0 : uint8_t(MinInt(above + 1, none));
                distance[x] = a;
                if (a == none)
                    continue;
                AddEdgeBit(cell, bit);
                SetEdgeDepth(cell, slot, a);
            }
        }
    }
}

// Where the piece and a joined neighbour both reach a cell, the smaller depth wins: the other's
// depth is cleared there, so a piece's own pixels (depth 0) hide a neighbour's band and of two
// bands the nearer one shows. Neighbours are joined when joined(j) says so; each is compared over
// the cells of both grown boxes.
template <typename Joined>
void HideBands(GameState& state, int rotation, int piece, Joined joined)
{
    struct Neighbour {
        int slot = 0;
        uint16_t bit = 0;
        Area box;
    };
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const int width = state.look.edgeWidth;
    std::array<Neighbour, 9> neighbours;
    int count = 0;
    for (const int16_t j : state.pieces[size_t(piece)].neighbours) {
        if (j < 0 || j >= PieceCount(state) || !joined(j))
            continue;
        const int slot = EdgeSlot(state, j);
        const Area box = PieceArea(state, j, rotation, width, edges.width, edges.height);
        neighbours[size_t(count++)] = {slot, uint16_t(1 << slot), box};
    }
    if (count == 0)
        return;

    const int slot = EdgeSlot(state, piece);
    const uint16_t bit = uint16_t(1 << slot);
    const Area area = PieceArea(state, piece, rotation, width, edges.width, edges.height);
    for (int y = area.top; y <= area.bottom; ++y) {
        uint8_t* cell = EdgeCell(edges, area.left, y);
        for (int x = area.left; x <= area.right; ++x, cell += kEdgeCellSize) {
            const uint16_t bits = EdgeBits(cell);
            if ((bits & bit) == 0 || bits == bit)
                continue;
            const int a = EdgeDepth(cell, slot);
            for (int k = 0; k < count; ++k) {
                const Neighbour& n = neighbours[size_t(k)];
                if ((bits & n.bit) == 0 || !Contains(n.box, x, y))
                    continue;
                const int b = EdgeDepth(cell, n.slot);
                if (b < a)
                    SetEdgeDepth(cell, slot, 0);
                else if (b > a)
                    SetEdgeDepth(cell, n.slot, 0);
            }
        }
    }
}

// Pieces of one group: each pair of neighbours once, from the lower index.
void HideJoinedBands(GameState& state, int rotation)
{
    for (int i = 0; i < PieceCount(state); ++i) {
        const int32_t group = state.pieces[size_t(i)].group;
        HideBands(state, rotation, i, [&](int j) { return j >= i && state.pieces[size_t(j)].group == group; });
    }
}

// The eight directions pair up into four lines through a pixel, each walked by a step (dx, dy)
// that leads to a later pixel in row order. Along a line the piece's pixels lie in runs, and a
// pixel's step counts to the rim, both ways, follow from where its run begins and ends.
struct Line {
    int dx = 0;
    int dy = 0;
    int backward = 0;  // the direction towards the run's first pixel
    int forward = 0;   // towards its last
};
constexpr std::array<Line, 4> kLines {{{1, 0, 0, 2}, {0, 1, 1, 3}, {1, 1, 4, 6}, {-1, 1, 5, 7}}};

// Positions along a line: x on a row, y on the others.
struct Run {
    int first = 0;
    int last = 0;
};

// The relief tables of one mask buffer. Distances are in 128ths of a pixel, a diagonal step 181
// for the square root of 2; a direction whose rim lies d steps away adds (reach - d x step) x its
// weight while that is not negative: gain[k][d], d from 1 to reach + 1 (0 is unused).
struct ReliefPass {
    int reach = 0;                       // in pixels
    std::array<ptrdiff_t, 4> offset {};  // bytes from a pixel to the next one along each line
    std::array<std::array<int, kLongestReach + 2>, 8> gain {};
    std::array<std::vector<Run>, 4> runs;  // by line, for the lines through the box: see LineIndex
};

ReliefPass MakeReliefPass(const TPixelBuffer& mask, const Relief& relief)
{
    ReliefPass pass;
    pass.reach = relief.reach;
    for (size_t f = 0; f < 4; ++f) {
        pass.offset[f] = kLines[f].dx * 3 + kLines[f].dy * ptrdiff_t(mask.stride);
        pass.runs[f].resize(size_t(mask.width + mask.height));
    }
    const int range = 128 * relief.reach;
    for (size_t k = 0; k < 8; ++k) {
        const int step = Diagonal(k) ? 181 : 128;
        for (int d = 1; d <= relief.reach + 1; ++d)
            pass.gain[k][size_t(d)] = d * step <= range ? (range - d * step) * relief.weights[k] : 0;
    }
    return pass;
}

// Where the run of a pixel's line is kept: rows by their row and columns by their column in the
// box, diagonals numbered from the lower left corner and antidiagonals from the upper left.
size_t LineIndex(const Line& line, const Area& box, int x, int y)
{
    if (line.dy == 0)
        return size_t(y - box.top);
    const int across = (x - box.left) - line.dx * (y - box.top);
    return size_t(line.dx > 0 ? across + (box.bottom - box.top) : across);
}

// The run along the line that starts at the pixel: it ends at the first pixel of another piece or
// at the box's edge.
Run RunFrom(const uint8_t* pixel, uint8_t value, const Area& box, int x, int y, const Line& line, ptrdiff_t offset)
{
    int room = box.bottom - y;  // steps to the box's edge along the line
    if (line.dx > 0)
        room = line.dy > 0 ? MinInt(room, box.right - x) : box.right - x;
    else if (line.dx < 0)
        room = MinInt(room, x - box.left);
    const int start = line.dy != 0 ? y : x;
    Run run {start, start};
    for (pixel += offset; run.last - start < room && pixel[0] == value; pixel += offset)
        ++run.last;
    return run;
}

// Whether the pixel before this one on the line lies inside the box.
bool HasPrevious(const Line& line, const Area& box, int x, int y)
{
    return (line.dy == 0 || y > box.top) && (line.dx == 0 || (line.dx > 0 ? x > box.left : x < box.right));
}

// Rows top to bottom, pixels left to right: a pixel whose predecessor on a line is not the
// piece's starts a run there, which later pixels of the run find under the line's index.
void EmbossPiece(TPixelBuffer& mask, const Area box, uint8_t value, ReliefPass& pass)
{
    for (int y = box.top; y <= box.bottom; ++y) {
        uint8_t* pixel = PixAddress(mask, box.left, y);
        for (int x = box.left; x <= box.right; ++x, pixel += 3) {
            if (pixel[0] != value)
                continue;
            int sum = 0;
#pragma GCC unroll 4  // each line's steps become constants
            for (size_t f = 0; f < 4; ++f) {
                const Line& line = kLines[f];
                Run& run = pass.runs[f][LineIndex(line, box, x, y)];
                if (!HasPrevious(line, box, x, y) || pixel[-pass.offset[f]] != value)
                    run = RunFrom(pixel, value, box, x, y, line, pass.offset[f]);
                const int at = line.dy != 0 ? y : x;
                sum += pass.gain[size_t(line.backward)][size_t(MinInt(at - run.first, pass.reach) + 1)];
                sum += pass.gain[size_t(line.forward)][size_t(MinInt(run.last - at, pass.reach) + 1)];
            }
            const int e = std::clamp(sum / 128, -127, 127);  // the division truncates toward zero
            if (e != 0)
                pixel[2] = uint8_t(128 + e);
        }
    }
}

void EmbossRelief(GameState& state, int rotation)
{
    TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    ReliefPass pass = MakeReliefPass(mask, ReliefOf(state.look.embossStyle));
    for (int i = 0; i < PieceCount(state); ++i)
        EmbossPiece(mask, PieceArea(state, i, rotation, 0, mask.width, mask.height), state.pieces[size_t(i)].maskValue,
                    pass);
}

// The preview's sample shape: pixels of colour 0 inside the common size.
bool InShape(const TPixelBuffer& shapeMask, int width, int height, int x, int y)
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    const uint8_t* pixel = PixAddress(shapeMask, x, y);
    return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0;
}

// The relief pass in real numbers, for one pixel of the sample shape, stopping only at the
// shape's outline and the picture's edge.
int PreviewRelief(const TPixelBuffer& shapeMask, int width, int height, int x, int y, const Relief& relief)
{
    double sum = 0;
    for (int k = 0; k < 8; ++k) {
        int count = 1;
        while (count <= relief.reach &&
               InShape(shapeMask, width, height, x + count * kStepX[size_t(k)], y + count * kStepY[size_t(k)]))
            ++count;
        const double distance = Diagonal(size_t(k)) ? count * std::sqrt(2.0) : count;
        if (distance <= relief.reach)
            sum += relief.weights[size_t(k)] * (relief.reach - distance);
    }
    return int(std::lround(std::clamp(sum, -127.0, 127.0)));
}

// The wooden edge fades by 10 a step; the shadow darkens the pixel less with every step.
void PaintPreviewBand(uint8_t* pixel, int depth, uint32_t woodColor, int woodStyle)
{
    if (woodStyle == kWoodEdge) {
        const Rgb wood = SplitColour(woodColor);
        const int fade = 10 * (depth - 1);
        pixel[0] = ClampByte(wood.blue - fade);
        pixel[1] = ClampByte(wood.green - fade);
        pixel[2] = ClampByte(wood.red - fade);
        return;
    }
    constexpr std::array<int, 5> kShade {128, 100, 72, 44, 16};
    const int keep = 256 - kShade[size_t(depth - 1)];
    for (int c = 0; c < 3; ++c)
        pixel[c] = uint8_t(keep * pixel[c] / 256);
}

}  // namespace

void ApplyEffects(GameState& state, const ProgressStep& step)
{
    state.look.edgeWidth = EdgeWidth(state.look.woodStyle, state.look.edgeWidth);
    SortDrawOrder(state, SortOrder::Ascending);
    // The edge buffers of the rotations in play are made afresh below, reusing their memory.
    const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
    for (int r = state.look.woodStyle == kWoodNone ? 0 : rotations; r < 4; ++r)
        FreeEdgeBuffer(state.edgeBuffers[size_t(r)]);
    if (state.look.embossStyle == kEmbossNone && state.look.woodStyle == kWoodNone)
        return;
    for (int r = 0; r < rotations; ++r) {
        EmbossPieces(state, r);
        Step(step);
    }
}

void EmbossPieces(GameState& state, int rotation)
{
    assert(rotation >= 0 && rotation <= 3);
    const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    if (state.look.woodStyle != kWoodNone) {
        MakeEdgeBuffer(edges, mask.width, mask.height);
        StampBands(state, rotation);
        HideJoinedBands(state, rotation);
    } else {
        FreeEdgeBuffer(edges);
    }
    if (HasRelief(state.look.embossStyle))
        EmbossRelief(state, rotation);
}

void ResetRelief(TPixelBuffer& mask)
{
    for (int y = 0; y < mask.height; ++y) {
        uint8_t* pixel = PixRow(mask, y);
        for (int x = 0; x < mask.width; ++x, pixel += mask.bytesPerPixel) {
            pixel[1] = 0;
            pixel[2] = 128;
        }
    }
}

void ReleaseEdgeBuffers(GameState& state)
{
    for (EdgeBuffer& edges : state.edgeBuffers)
        FreeEdgeBuffer(edges);
}

void HideBandsAtJoin(GameState& state, int piece, int32_t otherGroup)
{
    if (piece < 0 || piece >= PieceCount(state))
        return;
    const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
    for (int r = 0; r < rotations; ++r)
        if (state.edgeBuffers[size_t(r)].width > 0)
            HideBands(state, r, piece, [&](int j) { return state.pieces[size_t(j)].group == otherGroup; });
}

void DrawEffectPreview(TPixelBuffer& preview, const TPixelBuffer& shapeMask, const TPixelBuffer& source,
                       uint32_t woodColor, int woodStyle, int embossStyle)
{
    const int width = std::min({preview.width, shapeMask.width, source.width});
    const int height = std::min({preview.height, shapeMask.height, source.height});
    const int band = EdgeWidth(woodStyle, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* out = PixAddress(preview, x, y);
            if (!InShape(shapeMask, width, height, x, y)) {
                for (int k = 1; k <= band; ++k)
                    if (InShape(shapeMask, width, height, x - k, y - k)) {
                        PaintPreviewBand(out, k, woodColor, woodStyle);
                        break;
                    }
                continue;
            }
            const uint8_t* in = PixAddress(source, x, y);
            const int e =
                HasRelief(embossStyle) ? PreviewRelief(shapeMask, width, height, x, y, ReliefOf(embossStyle)) : 0;
            for (int c = 0; c < 3; ++c)
                out[c] = ClampByte(in[c] + e);
        }
    }
}

}  // namespace kirvo
