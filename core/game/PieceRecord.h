// PieceRecord: one piece of the puzzle in play, 112 bytes in a saved game.
//
// The cut fills the cell, source box, node, neighbours, mask value and class bit; play moves,
// turns, groups and selects. A saved game stores the records as they are, so a resumed game is
// never cut again. The byte layout is a file format: every field has a fixed offset, integers are
// little-endian, padding bytes are written as zero and ignored when read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/ByteReader.h"
#include "base/Result.h"

namespace kirvo {

inline constexpr size_t kPieceRecordSize = 112;
inline constexpr int kPieceWindowCount = 6;  // the two sides and four pockets

struct PieceRecord {
    int32_t x = 0;               // left of the current (turned) bounding box, field coordinates of its window
    int32_t y = 0;
    int32_t group = 0;           // shared by joined pieces; also the drawing order
    uint8_t window = 0;          // 0 and 1 = sides, 2 to 5 = pockets
    uint8_t rotation = 0;        // quarter turns clockwise, 0 to 3
    bool selected = false;       // drawn with inverted colours
    int32_t cellX = 0;           // grid cell in the unturned picture
    int32_t cellY = 0;
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t sourceX = 0;         // the cell grown by the knob margin towards each neighbour, unturned picture
    int32_t sourceY = 0;
    int32_t sourceWidth = 0;
    int32_t sourceHeight = 0;
    int32_t rotatedSourceX = 0;  // the source box in the picture and mask buffers of the current rotation
    int32_t rotatedSourceY = 0;
    int32_t width = 0;           // current bounding box
    int32_t height = 0;
    int32_t edgeSlot = 0;        // 0 to 8 by cell position, 9 = border piece; picks the depth field in edge buffers
    int16_t edgeBit = 0;         // 1 << edgeSlot
    std::array<int32_t, 2> reserved {};
    int32_t nodeX = 0;           // the cutter's seed point, rounded
    int32_t nodeY = 0;
    bool pictureShape = false;   // the cell was replaced by a picture-shape piece
    std::array<int16_t, 9> neighbours {-1, -1, -1, -1, -1, -1, -1, -1, -1};  // piece indices; -1 = empty
    uint8_t maskValue = 0;       // blue byte of this piece's mask pixels; 5 = border piece
    uint8_t classBit = 0;        // 1 to 32 by cell position; 128 = border piece

    friend bool operator==(const PieceRecord&, const PieceRecord&) = default;
};

void EncodePiece(const PieceRecord& piece, ByteWriter& out);
// Reads the first kPieceRecordSize bytes. Fails when fewer are given, or when the rotation or
// window number is out of range: both index buffers and windows.
Result<PieceRecord> DecodePiece(std::span<const uint8_t> bytes);

}  // namespace kirvo
