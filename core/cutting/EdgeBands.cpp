#include "cutting/EdgeBands.h"

#include <algorithm>
#include <array>
#include <vector>

#include "cutting/PieceArea.h"

namespace kirvo {

namespace {

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
        const int slot = state.pieces[size_t(i)].edgeSlot;
        const int bit = state.pieces[size_t(i)].edgeBit;
        const uint8_t value = state.pieces[size_t(i)].maskValue;
        const PieceArea box = ClippedPieceArea(state, i, rotation, 0, mask.width, mask.height);
        const PieceArea grown = ClippedPieceArea(state, i, rotation, width, edges.width, edges.height);
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
        PieceArea box;
    };
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const int width = state.look.edgeWidth;
    std::array<Neighbour, 9> neighbours;
    int count = 0;
    for (const int16_t j : state.pieces[size_t(piece)].neighbours) {
        if (j < 0 || j >= PieceCount(state) || !joined(j))
            continue;
        const int slot = EdgeSlot(state, j);
        const PieceArea box = ClippedPieceArea(state, j, rotation, width, edges.width, edges.height);
        neighbours[size_t(count++)] = {slot, uint16_t(1 << slot), box};
    }
    if (count == 0)
        return;

    const int slot = EdgeSlot(state, piece);
    const uint16_t bit = uint16_t(1 << slot);
    const PieceArea area = ClippedPieceArea(state, piece, rotation, width, edges.width, edges.height);
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

}  // namespace

void MakeEdgeBands(GameState& state, int rotation)
{
    const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    if (state.look.woodStyle == kWoodNone) {
        FreeEdgeBuffer(edges);
        return;
    }
    MakeEdgeBuffer(edges, mask.width, mask.height);
    StampBands(state, rotation);
    HideJoinedBands(state, rotation);
}

void AssignEdgeSlots(GameState& state)
{
    for (int i = 0; i < PieceCount(state); ++i) {
        const int slot = EdgeSlot(state, i);
        state.pieces[size_t(i)].edgeSlot = slot;
        state.pieces[size_t(i)].edgeBit = int16_t(1 << slot);
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

}  // namespace kirvo
