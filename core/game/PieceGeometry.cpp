#include "game/PieceGeometry.h"

#include <cassert>

#include "game/MaskValue.h"

namespace kirvo {

PieceBox RotatedSourceBox(const GameState& state, int piece, int rotation)
{
    assert(rotation >= 0 && rotation <= 3);
    const PieceRecord& p = state.pieces[piece];
    const MaskSize mask = TurnedMaskSize(state, rotation);
    const bool upright = rotation % 2 == 0;
    const int width = upright ? p.sourceWidth : p.sourceHeight;
    const int height = upright ? p.sourceHeight : p.sourceWidth;
    // A turn maps the picture part of the buffer (all but the margin) onto itself, so a distance
    // from one picture edge becomes the distance from the next edge round.
    const int pictureW = mask.width - kMaskMargin;
    const int pictureH = mask.height - kMaskMargin;
    switch (rotation) {
    case 0:
        return {p.sourceX, p.sourceY, width, height};
    case 1:
        return {pictureW - width - p.sourceY, p.sourceX, width, height};
    case 2:
        return {pictureW - width - p.sourceX, pictureH - height - p.sourceY, width, height};
    default:
        return {p.sourceY, pictureH - height - p.sourceX, width, height};
    }
}

void DeriveGeometry(GameState& state, int piece)
{
    PieceRecord& p = state.pieces[piece];
    const PieceBox box = RotatedSourceBox(state, piece, p.rotation);
    p.rotatedSourceX = box.x;
    p.rotatedSourceY = box.y;
    p.width = box.width;
    p.height = box.height;
}

}  // namespace kirvo
