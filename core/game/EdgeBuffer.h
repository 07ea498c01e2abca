// Edge buffer: for every pixel of a mask buffer (one per rotation), which pieces' thickness bands
// cover it and how far from the piece: 6 bytes a cell, a 16-bit set of edge bits (one per edge
// slot, 0 to 9) and ten 3-bit depth fields in a 32-bit word (slot p at bits 3p to 3p + 2). Depth 0
// marks the piece's own pixels, 1 the band next to it. Rows are 6 x width bytes, no padding; the
// cells start zero. It exists only while pieces have a wooden edge or shadow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kirvo {

inline constexpr int kEdgeCellSize = 6;
inline constexpr int kBorderEdgeSlot = 9;
inline constexpr int kMaxEdgeDepth = 7;  // the most a 3-bit depth field holds

struct EdgeBuffer {
    int width = 0;  // 0 = no buffer
    int height = 0;
    std::vector<uint8_t> cells;  // width * height * kEdgeCellSize
};

// Zero-filled, whatever the buffer held before; a size below 1 leaves no buffer.
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
inline uint16_t EdgeBits(const uint8_t* cell) { return uint16_t(cell[0] | cell[1] << 8); }
inline uint32_t EdgeDepths(const uint8_t* cell)
{
    return uint32_t(cell[2]) | uint32_t(cell[3]) << 8 | uint32_t(cell[4]) << 16 | uint32_t(cell[5]) << 24;
}
inline int EdgeDepth(const uint8_t* cell, int slot) { return int(EdgeDepths(cell) >> (3 * slot)) & 7; }
inline void AddEdgeBit(uint8_t* cell, int bit)
{
    cell[0] = uint8_t(cell[0] | bit);
    cell[1] = uint8_t(cell[1] | bit >> 8);
}
// Depth 0 with the edge bit set hides the band there: the piece draws no band over that cell.
inline void SetEdgeDepth(uint8_t* cell, int slot, int depth)
{
    const uint32_t depths = (EdgeDepths(cell) & ~(7u << (3 * slot))) | uint32_t(depth & 7) << (3 * slot);
    cell[2] = uint8_t(depths);
    cell[3] = uint8_t(depths >> 8);
    cell[4] = uint8_t(depths >> 16);
    cell[5] = uint8_t(depths >> 24);
}

}  // namespace kirvo
