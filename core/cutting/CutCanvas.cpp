#include "cutting/CutCanvas.h"

#include <string>

#include "cutting/CellLayout.h"
#include "game/GameState.h"

namespace kirvo {

void PreparePieceTable(Descriptor& descriptor, std::vector<PieceRecord>& pieces)
{
    // The cut makes exactly one piece per cell; a larger count would leave records nobody fills,
    // a smaller one would put the frame piece on a cell.
    descriptor.TotalTileNum = descriptor.TileNum;
    if (pieces.size() < size_t(descriptor.TileNum) + 1)
        pieces.resize(size_t(descriptor.TileNum) + 1);
}

void LayOutPlainCells(Descriptor& descriptor, std::vector<PieceRecord>& pieces)
{
    LayOutCells(descriptor, pieces);
    for (int i = 0; i < descriptor.TileNum; ++i)
        pieces[i].pictureShape = false;
}

void ResetLineCanvas(TPixelBuffer& canvas, const Descriptor& descriptor)
{
    const int width = descriptor.ImageW + kMaskMargin;
    const int height = descriptor.ImageH + kMaskMargin;
    if (canvas.width != width || canvas.height != height || canvas.bytesPerPixel != 3)
        PixCreate24(canvas, width, height);
    PixFillRect(canvas, 0, 0, descriptor.ImageW, descriptor.ImageH, kUnowned);
    PixFillRect(canvas, descriptor.ImageW, 0, kMaskMargin, descriptor.ImageH, 0);
    PixFillRect(canvas, 0, descriptor.ImageH, width, kMaskMargin, 0);
}

TBox CutArea(const Descriptor& descriptor)
{
    return BoxFromCorners(descriptor.JigsL, descriptor.JigsT, descriptor.JigsR, descriptor.JigsB);
}

void FillFrame(TPixelBuffer& canvas, const Descriptor& descriptor)
{
    if (IsBorderPuzzle(descriptor))
        PixFloodFill(canvas, 0, 0, kFrameColour);
}

void AddFramePiece(Descriptor& descriptor, std::vector<PieceRecord>& pieces)
{
    if (!IsBorderPuzzle(descriptor))
        return;
    PieceRecord frame;
    frame.sourceWidth = descriptor.ImageW;
    frame.sourceHeight = descriptor.ImageH;
    frame.maskValue = kFrameMaskValue;
    frame.classBit = kFrameClassBit;
    pieces[descriptor.TotalTileNum] = frame;
    ++descriptor.TotalTileNum;
}

void SetSourceBox(PieceRecord& piece, const TBox& box)
{
    piece.sourceX = box.left;
    piece.sourceY = box.top;
    piece.sourceWidth = box.width;
    piece.sourceHeight = box.height;
}

TBox SourceBox(const PieceRecord& piece)
{
    return BoxFromOrigin(piece.sourceX, piece.sourceY, piece.sourceWidth, piece.sourceHeight);
}

}  // namespace kirvo
