#include "cutting/CellLayout.h"

#include <cassert>

namespace kirvo {

namespace {

constexpr uint8_t kMaskValues[9] = {25, 150, 75, 200, 125, 50, 175, 100, 225};
constexpr uint8_t kClassBits[6] = {1, 2, 4, 8, 16, 32};

// Cells are TileS wide; the spare pixels of the cut area widen the first ones by one each.
struct Spans {
    int first;     // start of cell 0
    int base;      // width of every cell
    int widerCount;  // how many leading cells are one pixel wider
};

Spans SpreadSpare(int size, int count, int tileS, int margin)
{
    int spare = size - count * tileS - 2 * margin;
    return {margin, tileS + spare / count, spare % count};
}

// Picture-shape candidates: inside the outer ring, odd rows, columns alternating odd and even
// every other odd row, so the candidates are staggered.
bool IsPictureCandidate(int row, int column, int columns, int rows)
{
    if (column <= 0 || column >= columns - 1 || row <= 0 || row >= rows - 1 || row % 2 == 0)
        return false;
    bool oddColumns = (row - 1) % 4 == 0;
    return (column % 2 == 1) == oddColumns;
}

}  // namespace

uint8_t CellMaskValue(int row, int column) { return kMaskValues[(row % 3) * 3 + column % 3]; }
uint8_t CellClassBit(int row, int column) { return kClassBits[(row % 2) * 3 + column % 3]; }

void SetCutArea(Descriptor& descriptor)
{
    int margin = descriptor.BorderStyle == 1 ? kFrameWidth : 0;
    descriptor.JigsL = margin;
    descriptor.JigsT = margin;
    descriptor.JigsR = descriptor.ImageW - margin - 1;
    descriptor.JigsB = descriptor.ImageH - margin - 1;
}

void LayOutCells(Descriptor& descriptor, std::vector<PieceRecord>& pieces)
{
    SetCutArea(descriptor);
    const int columns = descriptor.TilePX;
    const int rows = descriptor.TilePY;
    assert(int(pieces.size()) >= columns * rows);
    if (columns <= 0 || rows <= 0)
        return;
    const int margin = descriptor.knobMargin;
    Spans across = SpreadSpare(descriptor.ImageW, columns, descriptor.TileS, descriptor.JigsL);
    Spans down = SpreadSpare(descriptor.ImageH, rows, descriptor.TileS, descriptor.JigsT);

    int top = down.first;
    for (int row = 0; row < rows; ++row) {
        int height = down.base + (row < down.widerCount ? 1 : 0);
        int left = across.first;
        for (int column = 0; column < columns; ++column) {
            int width = across.base + (column < across.widerCount ? 1 : 0);
            PieceRecord& piece = pieces[row * columns + column];
            piece.cellX = left;
            piece.cellY = top;
            piece.cellWidth = width;
            piece.cellHeight = height;
            piece.sourceX = left;
            piece.sourceY = top;
            piece.sourceWidth = width;
            piece.sourceHeight = height;
            if (column > 0) {
                piece.sourceX -= margin;
                piece.sourceWidth += margin;
            }
            if (column < columns - 1)
                piece.sourceWidth += margin;
            if (row > 0) {
                piece.sourceY -= margin;
                piece.sourceHeight += margin;
            }
            if (row < rows - 1)
                piece.sourceHeight += margin;
            piece.maskValue = CellMaskValue(row, column);
            piece.classBit = CellClassBit(row, column);
            piece.neighbours.fill(-1);
            piece.pictureShape = descriptor.ShapeStyle == 3 && IsPictureCandidate(row, column, columns, rows);
            left += width;
        }
        top += height;
    }
}

}  // namespace kirvo
