// Edge buffer: for one rotation, which pieces' thickness bands cover each pixel of the mask buffer
// and how far from the piece. Each piece keeps the cells of its box grown by the edge width (and
// clipped to the buffer), four bits a cell for its edge slot (0 to 9): 0 where no piece of the
// slot covers the cell, else 1 + the slot's depth there. Depth 0 marks the piece's own pixels, 1 the
// band next to it. Pieces of one slot whose grown boxes meet share the slot's cells where they
// overlap: each lists the others as mates, and a write reaches all of them. It exists only while
// pieces have a wooden edge or shadow.
//
// Beside the cells it keeps, for each piece, the cells where drawing the piece paints its band:
// those of its grown box covered with a depth above 0 for its slot, less the piece's own pixels of
// the picture. Drawing reads these alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "game/CellSpans.h"

namespace kirvo {

inline constexpr int kBorderEdgeSlot = 9;
inline constexpr int kMaxEdgeDepth = 7;  // the most a cell's depth goes to

// A piece's cells: the box has inclusive edges and is empty when right < left or bottom < top.
struct PieceCells {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    std::vector<uint8_t> cells;  // rows of right - left + 1 cells, two a byte, the first in the low bits
    std::vector<int32_t> mates;  // the other pieces of the slot whose boxes meet this one

    friend bool operator==(const PieceCells&, const PieceCells&) = default;
};

struct EdgeBuffer {
    int width = 0;  // 0 = no buffer
    int height = 0;
    std::vector<PieceCells> pieces;  // by piece
    std::vector<CellSpans> bands;    // by piece, each cell with its depth
};

// The size of the rotation's mask buffer, without pieces or bands, whatever the buffer held
// before; a size below 1 leaves no buffer.
void MakeEdgeBuffer(EdgeBuffer& buffer, int width, int height);
void FreeEdgeBuffer(EdgeBuffer& buffer);

inline bool Covers(const PieceCells& piece, int x, int y)
{
    return x >= piece.left && x <= piece.right && y >= piece.top && y <= piece.bottom;
}
// The index of the piece's cell at (x, y), which must lie in its box.
inline size_t CellIndex(const PieceCells& piece, int x, int y)
{
    return size_t(y - piece.top) * size_t(piece.right - piece.left + 1) + size_t(x - piece.left);
}
inline int CellValue(const PieceCells& piece, size_t index) { return piece.cells[index >> 1] >> (4 * (index & 1)) & 15; }
inline void SetCellValue(PieceCells& piece, size_t index, int value)
{
    uint8_t& pair = piece.cells[index >> 1];
    const int shift = 4 * int(index & 1);
    pair = uint8_t((pair & ~(15 << shift)) | value << shift);
}
// The 16 cells from index, in the piece's box, take the nibbles of values (cell k in bits 4k to
// 4k + 3) where mask has 15, and keep theirs where it has 0.
inline void SetSixteenCells(PieceCells& piece, size_t index, uint64_t values, uint64_t mask)
{
    const int shift = 4 * int(index & 1);
    uint8_t* at = piece.cells.data() + (index >> 1);
    // Sixteen cells from an odd index reach into a ninth byte; near the end of the cells they are
    // set one by one, so that no byte beyond them is touched.
    if ((index >> 1) + 9 > piece.cells.size()) {
        for (int k = 0; k < 16; ++k)
            if (mask >> 4 * k & 15)
                SetCellValue(piece, index + size_t(k), int(values >> 4 * k & 15));
        return;
    }
    uint64_t word;
    std::memcpy(&word, at, 8);
    word = (word & ~(mask << shift)) | (values & mask) << shift;
    std::memcpy(at, &word, 8);
    if (shift != 0)
        at[8] = uint8_t((at[8] & ~(mask >> 60)) | (values & mask) >> 60);
}
// 0 when the piece has no cell there.
inline int EdgeCellValue(const EdgeBuffer& buffer, int piece, int x, int y)
{
    const PieceCells& cells = buffer.pieces[size_t(piece)];
    return Covers(cells, x, y) ? CellValue(cells, CellIndex(cells, x, y)) : 0;
}
// Writes the cell of the piece, which must lie in its box, and of every mate whose box has it.
inline void SetEdgeCell(EdgeBuffer& buffer, int piece, int x, int y, int value)
{
    PieceCells& cells = buffer.pieces[size_t(piece)];
    SetCellValue(cells, CellIndex(cells, x, y), value);
    for (const int32_t mate : cells.mates)
        if (PieceCells& other = buffer.pieces[size_t(mate)]; Covers(other, x, y))
            SetCellValue(other, CellIndex(other, x, y), value);
}

}  // namespace kirvo
