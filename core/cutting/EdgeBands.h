// Edge bands: where each piece's thickness band lies, in the edge buffer of each rotation (see
// game/EdgeBuffer.h); the piece drawing paints the wooden edge or the shadow there. Bands between
// joined pieces are hidden, after a cut or load and at every join in play, so two joined pieces
// never show a band over each other.
#pragma once

#include <cstdint>

#include "cutting/PieceBits.h"
#include "game/GameState.h"

namespace kirvo {

// Writes every piece's edge slot and bit, which the bands of all rotations share.
void AssignEdgeSlots(GameState& state);
// Marks the cells of the piece's box grown by the edge width, clipped to the buffer (grown), that
// the piece's band covers: every cell whose nearest pixel of the piece diagonally up-left of it
// lies A steps away, A up to the edge width (A = 0: the piece's own pixel), takes the piece's
// edge bit and depth A; other cells keep what earlier pieces left. The edge slots must be
// assigned.
void StampBand(EdgeBuffer& edges, const PieceBits& bits, const PieceRecord& piece, const PieceArea& grown,
               int edgeWidth);
// Once every piece is stamped: the bands between the pieces of each group are hidden.
void HideJoinedBands(GameState& state, int rotation);
// At a join in play, before the group numbers change: the bands between the piece and the pieces
// of the other group are hidden in every edge buffer.
void HideBandsAtJoin(GameState& state, int piece, int32_t otherGroup);
void ReleaseEdgeBuffers(GameState& state);

}  // namespace kirvo
