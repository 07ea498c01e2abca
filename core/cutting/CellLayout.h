// The cut area and the grid of cells both cuts start from: one cell per piece, numbered row by
// row, tiling the cut area exactly.
#pragma once

#include <vector>

#include "game/Descriptor.h"
#include "game/PieceRecord.h"

namespace kirvo {

inline constexpr int kFrameWidth = 20;  // pixels of frame around the cut area of a border puzzle

// Sets JigsL, JigsT, JigsR, JigsB from the picture size and the border style.
void SetCutArea(Descriptor& descriptor);

// Fills cell, source box, mask value, class bit, neighbours (all -1) and picture-shape flag of the
// first TileNum records, and sets the cut area. pieces must hold at least TileNum records.
void LayOutCells(Descriptor& descriptor, std::vector<PieceRecord>& pieces);

// The mask value of the cell: pieces within two rows and two columns of each other differ.
uint8_t CellMaskValue(int row, int column);
uint8_t CellClassBit(int row, int column);

}  // namespace kirvo
