#include "cutting/EdgeBands.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "cutting/MeetingBoxes.h"
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

// Where the piece and a joined neighbour both reach a cell, the smaller depth wins: the other's
// depth is cleared there, so a piece's own pixels (depth 0) hide a neighbour's band and of two
// bands the nearer one shows. Neighbours are joined when joined(j) says so; each is compared over
// the cells of both grown boxes. With a log, the piece's cells are saved there before any changes.
template <typename Joined>
void HideBands(GameState& state, int rotation, int piece, Joined joined, EdgeCellLog* log = nullptr)
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
    if (log)
        SaveEdgeArea(*log, edges, rotation, area.left, area.top, area.right, area.bottom);
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

// Whether drawing the piece copies the pixel rather than painting its band there: a pixel of the
// picture that the mask gives the piece.
bool DrawnAsPiece(const GameState& state, int rotation, int x, int y, uint8_t value)
{
    const TPixelBuffer& picture = state.buffers[size_t(kPictureBuffer + rotation)];
    return x < picture.width && y < picture.height
           && PixAddress(state.buffers[size_t(kMaskBuffer + rotation)], x, y)[0] == value;
}

// A piece alone in its slot keeps the band its stamp recorded, less the cells whose depth the
// hiding cleared.
void DropHiddenCells(GameState& state, int rotation, int index)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const int slot = state.pieces[size_t(index)].edgeSlot;
    CellSpans& band = edges.bands[size_t(index)];
    CellSpans shown;
    for (const CellSpan& span : band.spans)
        for (int k = 0; k < span.count; ++k)
            if (EdgeDepth(EdgeCell(edges, span.x + k, span.y), slot) > 0)
                shown.Add(span.x + k, span.y, band.bytes[span.first + uint32_t(k)]);
    band = shown.Fitted();
}

}  // namespace

// Diagonal by diagonal: the cells whose nearest pixel of the piece up-left of them lies a steps
// away are the piece's pixels a steps up-left, less the cells found nearer. The cells of depth 1
// and more are the piece's band as long as no other piece writes its slot there.
void StampBand(GameState& state, int rotation, int index, const PieceBits& bits, bool alone)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const PieceRecord& piece = state.pieces[size_t(index)];
    const int slot = piece.edgeSlot;
    const int bit = piece.edgeBit;
    const int edgeWidth = state.look.edgeWidth;
    const PieceArea& box = bits.box;
    const PieceArea grown = ClippedPieceArea(state, index, rotation, edgeWidth, edges.width, edges.height);
    // Found in a band that grows once per thread, kept in a copy just large enough.
    thread_local CellSpans band;
    band.Clear();
    const int cells = grown.right - grown.left + 1;
    for (int y = grown.top; y <= grown.bottom; ++y) {
        // The cells are seldom in the cache: those of the row after next are asked for ahead.
        if (y + 2 <= grown.bottom) {
            const uint8_t* ahead = EdgeCell(edges, grown.left, y + 2);
            for (int offset = 0; offset < cells * kEdgeCellSize; offset += 64)
                __builtin_prefetch(ahead + offset, 1);
        }
        uint8_t* row = EdgeCell(edges, grown.left, y);
        for (int w = 0; 64 * w < cells; ++w) {
            const int left = cells - 64 * w;  // cells of the row from this word on
            const uint64_t inside = left >= 64 ? ~uint64_t(0) : (uint64_t(1) << left) - 1;
            const uint64_t own = PieceBits::Word(bits.Row(y), w, 0) & inside;
            std::array<uint8_t, 64> depths;
            uint64_t seen = 0;
            for (int a = 0; a <= edgeWidth; ++a) {
                uint64_t fresh = PieceBits::Word(bits.Row(y - a), w, -a) & inside & ~seen;
                seen |= fresh;
                for (; fresh != 0; fresh &= fresh - 1) {
                    const int i = std::countr_zero(fresh);
                    uint8_t* cell = row + kEdgeCellSize * (64 * w + i);
                    AddEdgeBit(cell, bit);
                    if (a > 0 || !alone)
                        SetEdgeDepth(cell, slot, a);
                    depths[size_t(i)] = uint8_t(a);
                }
            }
            for (uint64_t banded = seen & ~own; banded != 0; banded &= banded - 1) {
                const int i = std::countr_zero(banded);
                const int x = grown.left + 64 * w + i;
                // Beyond the box the mask may give the pixel to the piece all the same.
                if ((x > box.right || y > box.bottom) && DrawnAsPiece(state, rotation, x, y, piece.maskValue))
                    continue;
                band.Add(x, y, depths[size_t(i)]);
            }
        }
    }
    edges.bands[size_t(index)] = band.Fitted();
}

void FindBand(GameState& state, int rotation, int index)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    if (edges.width <= 0)
        return;
    if (edges.bands.size() < size_t(PieceCount(state)))
        edges.bands.resize(size_t(PieceCount(state)));
    const PieceRecord& piece = state.pieces[size_t(index)];
    const uint16_t bit = uint16_t(piece.edgeBit);
    thread_local CellSpans band;
    band.Clear();
    const PieceArea grown = ClippedPieceArea(state, index, rotation, state.look.edgeWidth, edges.width, edges.height);
    for (int y = grown.top; y <= grown.bottom; ++y) {
        const uint8_t* cell = EdgeCell(edges, grown.left, y);
        for (int x = grown.left; x <= grown.right; ++x, cell += kEdgeCellSize) {
            if ((EdgeBits(cell) & bit) != bit)
                continue;
            const int depth = EdgeDepth(cell, piece.edgeSlot);
            if (depth > 0 && !DrawnAsPiece(state, rotation, x, y, piece.maskValue))
                band.Add(x, y, uint8_t(depth));
        }
    }
    edges.bands[size_t(index)] = band.Fitted();
}

// The bands between pieces of one group are hidden, each pair of neighbours once from the lower
// index; then the bands of every piece that may differ from what its stamp recorded are found
// afresh from the cells.
void FinishBands(GameState& state, int rotation, const std::vector<bool>& slotsMeeting)
{
    for (int i = 0; i < PieceCount(state); ++i) {
        const int32_t group = state.pieces[size_t(i)].group;
        HideBands(state, rotation, i, [&](int j) { return j >= i && state.pieces[size_t(j)].group == group; });
    }
    std::vector<bool> joined(size_t(PieceCount(state)), false);
    for (int i = 0; i < PieceCount(state); ++i)
        for (const int16_t j : state.pieces[size_t(i)].neighbours)
            if (j >= 0 && j < PieceCount(state) && state.pieces[size_t(j)].group == state.pieces[size_t(i)].group)
                joined[size_t(i)] = joined[size_t(j)] = true;
    for (int i = 0; i < PieceCount(state); ++i) {
        if (slotsMeeting[size_t(i)])
            FindBand(state, rotation, i);
        else if (joined[size_t(i)])
            DropHiddenCells(state, rotation, i);
    }
}

std::vector<bool> SlotsMeeting(const GameState& state, int rotation)
{
    return MeetingBoxes(state, rotation, kBorderEdgeSlot + 1,
                        [&](int i) { return state.pieces[size_t(i)].edgeSlot; });
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

void HideBandsAtJoin(GameState& state, int piece, int32_t otherGroup, EdgeCellLog* log)
{
    if (piece < 0 || piece >= PieceCount(state))
        return;
    const int rotations = state.descriptor.Rotate == 1 ? 4 : 1;
    for (int r = 0; r < rotations; ++r)
        if (state.edgeBuffers[size_t(r)].width > 0) {
            HideBands(state, r, piece, [&](int j) { return state.pieces[size_t(j)].group == otherGroup; }, log);
            FindBand(state, r, piece);
            for (const int16_t j : state.pieces[size_t(piece)].neighbours)
                if (j >= 0 && j < PieceCount(state) && state.pieces[size_t(j)].group == otherGroup)
                    FindBand(state, r, j);
        }
}

void RefindBandsAfterRegroup(GameState& state, const std::vector<int32_t>& groupsBefore)
{
    // Renumbering keeps which neighbours share a group; only a join or its undoing changes that.
    const int count = std::min(PieceCount(state), int(groupsBefore.size()));
    std::vector<bool> refind(size_t(count), false);
    for (int i = 0; i < count; ++i)
        for (const int16_t j : state.pieces[size_t(i)].neighbours) {
            if (j < 0 || j >= count)
                continue;
            const bool joinedNow = state.pieces[size_t(i)].group == state.pieces[size_t(j)].group;
            const bool joinedBefore = groupsBefore[size_t(i)] == groupsBefore[size_t(j)];
            if (joinedNow != joinedBefore)
                refind[size_t(i)] = refind[size_t(j)] = true;
        }
    for (int r = 0; r < 4; ++r)
        if (state.edgeBuffers[size_t(r)].width > 0)
            for (int i = 0; i < count; ++i)
                if (refind[size_t(i)])
                    FindBand(state, r, i);
}

}  // namespace kirvo
