// Edge buffer: for every pixel of a mask buffer (one per rotation), which pieces' thickness bands
// cover it and how far from the piece: 6 bytes a cell, a 16-bit set of edge bits (one per edge
// slot, 0 to 9) and ten 3-bit depth fields in a 32-bit word (slot p at bits 3p to 3p + 2). Depth 0
// marks the piece's own pixels, 1 the band next to it. Rows are 6 x width bytes, no padding; the
// cells start zero. It exists only while pieces have a wooden edge or shadow.
//
// Beside the cells it keeps, for each piece, the cells where drawing the piece paints its band:
// those of its box grown by the edge width with its edge bit and a depth above 0 for its slot,
// less the piece's own pixels of the picture. Drawing reads these alone.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "game/CellSpans.h"

namespace kirvo {

inline constexpr int kEdgeCellSize = 6;
inline constexpr int kBorderEdgeSlot = 9;
inline constexpr int kMaxEdgeDepth = 7;  // the most a 3-bit depth field holds

struct EdgeBuffer {
    int width = 0;  // 0 = no buffer
    int height = 0;
    std::vector<uint8_t> cells;    // width * height * kEdgeCellSize
    std::vector<CellSpans> bands;  // by piece, each cell with its depth
};

// Zero-filled and without bands, whatever the buffer held before; a size below 1 leaves no buffer.
void MakeEdgeBuffer(EdgeBuffer& buffer, int width, int height);
void FreeEdgeBuffer(EdgeBuffer& buffer);

inline uint8_t* EdgeCell(EdgeBuffer& buffer, int x, int y)
{
    return buffer.cells.data() + (size_t(y) * size_t(buffer.width) + size_t(x)) * kEdgeCellSize;
}
inline const uint8_t* EdgeCell(const EdgeBuffer& buffer, int x, int y)
{
    return buffer.cells.data() + (size_t(y) * size_t(buffer.width) + size_t(x)) * kEdgeCellSize;
}
// A cell's words are read and written whole; in memory they are little-endian, as the bytes
// above describe them.
static_assert(std::endian::native == std::endian::little);

inline uint16_t EdgeBits(const uint8_t* cell)
{
    uint16_t bits;
    std::memcpy(&bits, cell, sizeof bits);
    return bits;
}
inline uint32_t EdgeDepths(const uint8_t* cell)
{
    uint32_t depths;
    std::memcpy(&depths, cell + 2, sizeof depths);
    return depths;
}
inline int EdgeDepth(const uint8_t* cell, int slot) { return int(EdgeDepths(cell) >> (3 * slot)) & 7; }
inline void AddEdgeBit(uint8_t* cell, int bit)
{
    const uint16_t bits = uint16_t(EdgeBits(cell) | bit);
    std::memcpy(cell, &bits, sizeof bits);
}
// Depth 0 with the edge bit set hides the band there: the piece draws no band over that cell.
inline void SetEdgeDepth(uint8_t* cell, int slot, int depth)
{
    const uint32_t depths = (EdgeDepths(cell) & ~(7u << (3 * slot))) | uint32_t(depth & 7) << (3 * slot);
    std::memcpy(cell + 2, &depths, sizeof depths);
}

}  // namespace kirvo
