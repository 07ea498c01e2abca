// Pieces placed by hand for the tests of commands that move many pieces at once: each of
// width x height at (x, y) of its window, in the group given, and the draw order built.
#pragma once

#include <initializer_list>

#include "game/DrawOrder.h"
#include "game/GameState.h"

namespace kirvo {

struct PlacedPiece {
    int x = 0;
    int y = 0;
    int group = 0;
    int window = 0;
    bool selected = false;
};

inline void PlacePieces(GameState& state, std::initializer_list<PlacedPiece> placed, int width = 40, int height = 40)
{
    state.descriptor.TotalTileNum = int(placed.size());
    AllocatePieceTable(state, state.descriptor.TotalTileNum);
    int k = 0;
    for (const PlacedPiece& p : placed) {
        PieceRecord& piece = state.pieces[size_t(k++)];
        piece.x = p.x;
        piece.y = p.y;
        piece.group = p.group;
        piece.window = uint8_t(p.window);
        piece.selected = p.selected;
        piece.width = width;
        piece.height = height;
    }
    SortDrawOrder(state, SortOrder::Ascending);
}

}  // namespace kirvo
