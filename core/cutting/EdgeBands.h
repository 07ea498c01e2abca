// Edge bands: where each piece's thickness band lies, in the edge buffer of each rotation (see
// game/EdgeBuffer.h); the piece drawing paints the wooden edge or the shadow there. Bands between
// joined pieces are hidden, after a cut or load and at every join in play, so two joined pieces
// never show a band over each other.
#pragma once

#include <cstdint>

#include "game/GameState.h"

namespace kirvo {

// Writes every piece's edge slot and bit, which the bands of all rotations share.
void AssignEdgeSlots(GameState& state);
// With a wood style, makes the rotation's edge buffer afresh at the size of its mask, stamps every
// piece's band (by the edge slots already assigned) and hides the bands between joined pieces;
// without, releases the buffer. Writes nothing but the rotation's edge buffer, so rotations can
// be worked side by side.
void MakeEdgeBands(GameState& state, int rotation);
// At a join in play, before the group numbers change: the bands between the piece and the pieces
// of the other group are hidden in every edge buffer.
void HideBandsAtJoin(GameState& state, int piece, int32_t otherGroup);
void ReleaseEdgeBuffers(GameState& state);

}  // namespace kirvo
