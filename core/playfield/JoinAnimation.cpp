#include "playfield/FieldImage.h"

namespace kirvo {

namespace {

// On one axis: where the star sits on a piece joined to the frame. A piece on the cut area's
// first or last column (row) has its outer edge there; others are marked at their centre.
int EdgePoint(int position, int size, int sourceStart, int sourceSize, int first, int last)
{
    if (sourceStart == first)
        return position;
    if (sourceStart + sourceSize - 1 == last)
        return position + size - 1;
    return position + size / 2;
}

bool IsBorderPiece(const GameState& state, int piece)
{
    return IsBorderPuzzle(state.descriptor) && piece == state.descriptor.TotalTileNum - 1;
}

TBox StarBox(const FieldImage& field, const PlayWindows& windows)
{
    TBox box = BoxFromOrigin(field.star.x, field.star.y, kStarSize, kStarSize);
    if (windows.glass.visible)
        BoxUnion(box, windows.glass.frame.left, windows.glass.frame.top, windows.glass.frame.right,
                 windows.glass.frame.bottom);
    return box;
}

}  // namespace

void StartJoinAnimation(FieldImage& field, GameState& state, const PlayWindows& windows, int piece, int otherPiece)
{
    const PieceRecord& a = state.pieces[piece];
    const PieceRecord& b = state.pieces[otherPiece];
    int x = (a.x + a.width / 2 + b.x + b.width / 2) / 2;
    int y = (a.y + a.height / 2 + b.y + b.height / 2) / 2;
    const bool aIsBorder = IsBorderPiece(state, piece);
    if (aIsBorder || IsBorderPiece(state, otherPiece)) {
        const PieceRecord& edge = aIsBorder ? b : a;
        const Descriptor& d = state.descriptor;
        x = EdgePoint(edge.x, edge.width, edge.sourceX, edge.sourceWidth, d.JigsL, d.JigsR);
        y = EdgePoint(edge.y, edge.height, edge.sourceY, edge.sourceHeight, d.JigsT, d.JigsB);
    }
    const TMyWin& w = windows.windows[a.window];
    field.star = {0, w.client.left + x - w.scrollX - kStarSize / 2, w.client.top + y - w.scrollY - kStarSize / 2,
                  a.window};
    RequestHoverRedraw(field, state, StarBox(field, windows));
}

bool NextJoinStep(FieldImage& field, GameState& state, const PlayWindows& windows)
{
    if (field.star.step < 0)
        return false;
    if (++field.star.step >= kJoinSteps) {
        field.star.step = -1;
        return false;
    }
    RequestHoverRedraw(field, state, StarBox(field, windows));
    return true;
}

}  // namespace kirvo
