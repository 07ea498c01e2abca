// Where a piece lies in the picture and mask buffers of each rotation.
//
// A piece's source box is fixed by the cut in the unturned picture; turning the buffers moves it.
// The turned buffers keep the mask margin at their right and bottom, so the box is placed from
// the size of the mask turned to that rotation.
#pragma once

#include "game/GameState.h"

namespace kirvo {

struct PieceBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PieceBox&, const PieceBox&) = default;
};

// The source box of the piece in the buffers of the given rotation (0 to 3); the record is not touched.
PieceBox RotatedSourceBox(const GameState& state, int piece, int rotation);
// Sets width, height and rotated source position of the piece from its rotation and source box.
void DeriveGeometry(GameState& state, int piece);

}  // namespace kirvo
