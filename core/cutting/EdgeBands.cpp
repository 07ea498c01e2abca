#include "cutting/EdgeBands.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "cutting/MeetingBoxes.h"
#include "cutting/PieceArea.h"
#include "game/MaskValue.h"
#include "game/TurnedBuffers.h"

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

// Bit b of a byte moved to bit 4 b.
constexpr std::array<uint32_t, 256> kNibbleSpread = [] {
    std::array<uint32_t, 256> spread {};
    for (uint32_t byte = 0; byte < 256; ++byte)
        for (int b = 0; b < 8; ++b)
            spread[byte] |= (byte >> b & 1) << 4 * b;
    return spread;
}();

// The low 16 bits moved to bits 0, 4, 8, .. 60: one to a cell of four bits.
uint64_t SpreadToNibbles(uint64_t bits)
{
    return kNibbleSpread[bits & 255] | uint64_t(kNibbleSpread[bits >> 8 & 255]) << 32;
}

// Nibbles 0 to 7 of the word moved to bytes 0 to 7.
uint64_t NibblesToBytes(uint64_t nibbles)
{
    nibbles &= 0xFFFFFFFF;
    nibbles = (nibbles | nibbles << 16) & 0x0000FFFF0000FFFFu;
    nibbles = (nibbles | nibbles << 8) & 0x00FF00FF00FF00FFu;
    return (nibbles | nibbles << 4) & 0x0F0F0F0F0F0F0F0Fu;
}

// Where the piece and a joined neighbour both reach a cell, the smaller depth wins: the other's
// depth is cleared there, so a piece's own pixels (depth 0) hide a neighbour's band and of two
// bands the nearer one shows. Neighbours are joined when joined(j) says so; each is compared over
// the cells of both grown boxes. With a log, the cells of the piece, its joined neighbours and
// their mates are saved there before any changes.
template <typename Joined>
void HideBands(GameState& state, int rotation, int piece, Joined joined, EdgeCellLog* log = nullptr)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    std::array<int, 9> neighbours;
    int count = 0;
    for (const int16_t j : state.pieces[size_t(piece)].neighbours)
        if (j >= 0 && j < PieceCount(state) && joined(j))
            neighbours[size_t(count++)] = j;
    if (count == 0)
        return;

    if (log) {
        const auto save = [&](int i) {
            SavePieceCells(*log, edges, rotation, i);
            for (const int32_t mate : edges.pieces[size_t(i)].mates)
                SavePieceCells(*log, edges, rotation, mate);
        };
        save(piece);
        for (int k = 0; k < count; ++k)
            save(neighbours[size_t(k)]);
    }
    const PieceCells& own = edges.pieces[size_t(piece)];
    for (int y = own.top; y <= own.bottom; ++y)
        for (int x = own.left; x <= own.right; ++x) {
            const int a = CellValue(own, CellIndex(own, x, y)) - 1;
            if (a < 0)
                continue;
            for (int k = 0; k < count; ++k) {
                const int n = neighbours[size_t(k)];
                const int b = EdgeCellValue(edges, n, x, y) - 1;
                if (b < 0)
                    continue;
                if (b < a)
                    SetEdgeCell(edges, piece, x, y, 1);
                else if (b > a)
                    SetEdgeCell(edges, n, x, y, 1);
            }
        }
}

// Whether drawing the piece copies the pixel rather than painting its band there: a pixel of the
// picture (the rotation's PictureView) that the mask gives the piece. While the effects are worked
// out the rotation's mask is held and read at once; in play a turned mask is freed and the
// upright one says.
bool DrawnAsPiece(const GameState& state, const TurnedView& picture, int rotation, int x, int y, uint8_t value)
{
    if (x >= picture.width || y >= picture.height)
        return false;
    const TPixelBuffer& mask = state.buffers[size_t(kMaskBuffer + rotation)];
    return (mask.width > 0 ? PixAddress(mask, x, y)[0] : MaskValueAt(state, rotation, x, y)) == value;
}

// A piece without mates keeps the band its stamp recorded, less the cells whose depth the hiding
// cleared.
void DropHiddenCells(GameState& state, int rotation, int index)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    CellSpans& band = edges.bands[size_t(index)];
    CellSpans shown;
    const uint8_t* depth = band.bytes.data();
    for (const CellSpan& span : band.spans)
        for (int k = 0; k < span.count; ++k, ++depth)
            if (EdgeCellValue(edges, index, span.x + k, span.y) > 1)
                shown.Add(span.x + k, span.y, *depth);
    band = shown.Fitted();
}

}  // namespace

void MakeEdgeCells(GameState& state, int rotation)
{
    const MaskSize mask = TurnedMaskSize(state, rotation);
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    MakeEdgeBuffer(edges, mask.width, mask.height);
    if (edges.width == 0)
        return;
    edges.pieces.resize(size_t(PieceCount(state)));
    edges.bands.resize(size_t(PieceCount(state)));
    for (int i = 0; i < PieceCount(state); ++i) {
        const PieceArea area = ClippedPieceArea(state, i, rotation, state.look.edgeWidth, edges.width, edges.height);
        PieceCells& cells = edges.pieces[size_t(i)];
        cells.left = area.left;
        cells.top = area.top;
        cells.right = area.right;
        cells.bottom = area.bottom;
        const size_t count = area.right < area.left || area.bottom < area.top
                                 ? 0
                                 : size_t(area.right - area.left + 1) * size_t(area.bottom - area.top + 1);
        cells.cells.assign((count + 1) / 2, 0);
    }
    ForMeetingBoxes(state, rotation, kBorderEdgeSlot + 1, [&](int i) { return state.pieces[size_t(i)].edgeSlot; },
                    [&](int a, int b) {
                        edges.pieces[size_t(a)].mates.push_back(b);
                        edges.pieces[size_t(b)].mates.push_back(a);
                    });
}

// Diagonal by diagonal: the cells whose nearest pixel of the piece up-left of them lies a steps
// away are the piece's pixels a steps up-left, less the cells found nearer. The cells of depth 1
// and more are the piece's band as long as no mate writes the slot there.
void StampBand(GameState& state, int rotation, int index, const PieceBits& bits)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    const PieceRecord& piece = state.pieces[size_t(index)];
    const int edgeWidth = state.look.edgeWidth;
    const PieceArea& box = bits.box;
    PieceCells& cells = edges.pieces[size_t(index)];
    const bool alone = cells.mates.empty();
    const TurnedView picture = PictureView(state, rotation);
    // Found in spans and depths that grow as the largest band needs, once per thread, kept in
    // copies just large enough. The depths are written eight at a time.
    thread_local CellSpans band;
    thread_local std::vector<uint8_t> depths;
    band.Clear();
    size_t found = 0;
    const int width = cells.right - cells.left + 1;
    for (int y = cells.top; y <= cells.bottom; ++y) {
        const size_t row = CellIndex(cells, cells.left, y);
        for (int w = 0; 64 * w < width; ++w) {
            const int left = width - 64 * w;  // cells of the row from this word on
            const uint64_t inside = left >= 64 ? ~uint64_t(0) : (uint64_t(1) << left) - 1;
            const uint64_t own = PieceBits::Word(bits.Row(y), w, 0) & inside;
            // The cells' values 1 + a, bit k of each in planes[k].
            std::array<uint64_t, 4> planes {};
            uint64_t seen = 0;
            for (int a = 0; a <= edgeWidth; ++a) {
                uint64_t fresh = PieceBits::Word(bits.Row(y - a), w, -a) & inside & ~seen;
                seen |= fresh;
                for (size_t k = 0; k < 4; ++k)
                    planes[k] |= fresh & (uint64_t(0) - uint64_t((1 + a) >> k & 1));
                if (!alone)
                    for (; fresh != 0; fresh &= fresh - 1)
                        SetEdgeCell(edges, index, cells.left + 64 * w + std::countr_zero(fresh), y, 1 + a);
            }
            // The values again, sixteen cells of four bits to a word: written so without mates.
            // The fifth word stays 0, for reading eight cells from any of the row's.
            std::array<uint64_t, 5> values {};
            for (size_t part = 0; part < 4; ++part) {
                const auto sixteen = [&](uint64_t bitsOfRow) { return SpreadToNibbles(bitsOfRow >> 16 * part); };
                const uint64_t mask = sixteen(seen);
                if (mask == 0)
                    continue;
                values[part] = sixteen(planes[0]) | sixteen(planes[1]) << 1 | sixteen(planes[2]) << 2 |
                               sixteen(planes[3]) << 3;
                if (alone)
                    SetSixteenCells(cells, row + size_t(64 * w) + 16 * part, values[part], mask * 15);
            }
            const int x0 = cells.left + 64 * w;
            uint64_t banded = seen & ~own;
            // Beyond the box the mask may give the pixel to the piece all the same.
            const int firstBeyond = y > box.bottom ? 0 : box.right + 1 - x0;
            if (firstBeyond < 64)
                for (uint64_t beyond = banded & (firstBeyond <= 0 ? ~uint64_t(0) : ~uint64_t(0) << firstBeyond);
                     beyond != 0; beyond &= beyond - 1) {
                    const int i = std::countr_zero(beyond);
                    if (DrawnAsPiece(state, picture, rotation, x0 + i, y, piece.maskValue))
                        banded &= ~(uint64_t(1) << i);
                }
            // A run of cells at a time, each with its depth, the value less 1: eight values a
            // word, less 1 in each byte. A banded cell's value is at least 1, so no byte of the
            // run borrows; the bytes past the run are written over by the next, or left unused.
            while (banded != 0) {
                const int start = std::countr_zero(banded);
                const int count = std::countr_one(banded >> start);
                band.AddRun(x0 + start, y, count);
                if (const size_t most = found + size_t(count) + 8; depths.size() < most)
                    depths.resize(2 * most);
                for (int i = start; i < start + count; i += 8) {
                    const uint64_t* word = values.data() + (i >> 4);
                    const int shift = 4 * (i & 15);
                    const uint64_t nibbles = shift == 0 ? word[0] : word[0] >> shift | word[1] << (64 - shift);
                    const uint64_t eight = NibblesToBytes(nibbles) - 0x0101010101010101u;
                    std::memcpy(depths.data() + found + size_t(i - start), &eight, 8);
                }
                found += size_t(count);
                banded = start + count >= 64 ? 0 : banded & ~(((uint64_t(1) << count) - 1) << start);
            }
        }
    }
    edges.bands[size_t(index)] = {std::vector<CellSpan>(band.spans.begin(), band.spans.end()),
                                  std::vector<uint8_t>(depths.begin(), depths.begin() + ptrdiff_t(found))};
}

void FindBand(GameState& state, int rotation, int index)
{
    EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    if (edges.width <= 0 || size_t(index) >= edges.pieces.size())
        return;
    if (edges.bands.size() < size_t(PieceCount(state)))
        edges.bands.resize(size_t(PieceCount(state)));
    const PieceRecord& piece = state.pieces[size_t(index)];
    const PieceCells& cells = edges.pieces[size_t(index)];
    const TurnedView picture = PictureView(state, rotation);
    thread_local CellSpans band;
    band.Clear();
    for (int y = cells.top; y <= cells.bottom; ++y) {
        size_t cell = CellIndex(cells, cells.left, y);
        for (int x = cells.left; x <= cells.right; ++x, ++cell)
            if (const int value = CellValue(cells, cell);
                value > 1 && !DrawnAsPiece(state, picture, rotation, x, y, piece.maskValue))
                band.Add(x, y, uint8_t(value - 1));
    }
    edges.bands[size_t(index)] = band.Fitted();
}

// The bands between pieces of one group are hidden, each pair of neighbours once from the lower
// index; then the bands of every piece that may differ from what its stamp recorded are found
// afresh from the cells.
void FinishBands(GameState& state, int rotation)
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
    const EdgeBuffer& edges = state.edgeBuffers[size_t(rotation)];
    for (int i = 0; i < PieceCount(state); ++i) {
        if (!edges.pieces[size_t(i)].mates.empty())
            FindBand(state, rotation, i);
        else if (joined[size_t(i)])
            DropHiddenCells(state, rotation, i);
    }
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
