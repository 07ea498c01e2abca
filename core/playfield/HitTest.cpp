#include "playfield/FieldImage.h"

#include "game/MaskValue.h"

namespace kirvo {

int PieceAtPoint(const GameState& state, const PlayWindows& windows, int x, int y)
{
    const int number = state.currentWindow;
    if (!IsSideOrPocket(number))
        return -1;
    const TMyWin& w = windows.windows[number];
    // Pieces are clipped to the client box, so a point on the frame or a scroll bar would
    // otherwise pick up a piece the player cannot see there.
    if (!BoxContains(w.client, x, y))
        return -1;
    const int u = x + w.scrollX - w.client.left;
    const int v = y + w.scrollY - w.client.top;

    // The draw order is ascending, so walking it backwards meets the topmost group first. Pieces
    // of one group never share a mask pixel, so their order among themselves does not matter.
    for (auto entry = state.drawOrder.rbegin(); entry != state.drawOrder.rend(); ++entry) {
        const PieceRecord& piece = state.pieces[entry->piece];
        if (piece.window != number || u < piece.x || u >= piece.x + piece.width || v < piece.y
            || v >= piece.y + piece.height)
            continue;
        const int value =
            MaskValueAt(state, piece.rotation, u + piece.rotatedSourceX - piece.x, v + piece.rotatedSourceY - piece.y);
        if (value == piece.maskValue)
            return entry->piece;
    }
    return -1;
}

}  // namespace kirvo
