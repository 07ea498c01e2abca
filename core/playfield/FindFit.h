// Finding a piece that fits: through the neighbour table, a piece of another group that joins one
// of the picked pieces, or, with nothing picked, two pieces of different groups that join; and the
// place where the found piece joins. Nothing is moved.
#pragma once

#include <array>
#include <vector>

#include "game/GameState.h"
#include "game/PieceGeometry.h"

namespace kirvo {

struct Fit {
    int piece = -1;    // the piece that fits; -1 = none
    int partner = -1;  // the piece it joins: a picked one, or the other of the pair
};

// The pieces the player holds: the selection while there is one, else the piece's group; nothing
// (an empty list) without a selection and with piece -1. By piece index.
std::vector<char> PickedPieces(const GameState& state, int piece);

// The next fit after the piece `after` in table order, round to the start (after -1 starts at
// piece 0), so that asking again shows the next one. Pieces in a shown window (by window number)
// come before the others. Neighbours count both ways: a piece listed by the other fits too.
Fit FindFit(const GameState& state, const std::vector<char>& picked, const std::array<bool, kPieceWindowCount>& shown,
            int after);

// Where the found piece lies once joined to its partner, turned as the partner is: a box in the
// virtual field of the partner's window. The frame never turns: beside a turned partner it has no
// place, and the box is empty.
PieceBox PlaceOfFit(const GameState& state, const Fit& fit);

}  // namespace kirvo
