// Piece runs: where a piece's pixels lie in a rotation's buffers and which of them the relief
// raises or lowers, worked out with the effects so that drawing the piece need not read the mask.
#pragma once

#include <cstdint>
#include <vector>

#include "game/CellSpans.h"

namespace kirvo {

struct PieceRuns {
    bool known = false;          // false: drawing reads the mask
    CellSpans own;               // the piece's pixels of the picture
    CellSpans relief;            // those with relief, without bytes
    std::vector<uint8_t> lit;    // the picture raised or lowered there: 3 bytes a relief cell, in order
};

}  // namespace kirvo
