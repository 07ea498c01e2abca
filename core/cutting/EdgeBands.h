// Edge bands: where each piece's thickness band lies, in the edge buffer of each rotation (see
// game/EdgeBuffer.h); the piece drawing paints the wooden edge or the shadow there. Bands between
// joined pieces are hidden, after a cut or load and at every join in play, so two joined pieces
// never show a band over each other.
#pragma once

#include <cstdint>
#include <vector>

#include "cutting/PieceBits.h"
#include "game/EdgeCellLog.h"
#include "game/GameState.h"

namespace kirvo {

// Writes every piece's edge slot and bit, which the bands of all rotations share.
void AssignEdgeSlots(GameState& state);
// Sizes the rotation's edge buffer to its mask buffer and gives every piece its cells, all 0: those
// of its box grown by the edge width, clipped to the buffer, with the pieces of its edge slot whose
// boxes meet it as mates. The edge slots must be assigned.
void MakeEdgeCells(GameState& state, int rotation);
// Marks the piece's cells that its band covers: every cell whose nearest pixel of the piece
// diagonally up-left of it lies A steps away, A up to the edge width (A = 0: the piece's own
// pixel), takes depth A, for the piece and its mates; other cells keep what earlier pieces left.
// Records the cells of depth 1 and more as the piece's band. The cells must be made
// (MakeEdgeCells).
void StampBand(GameState& state, int rotation, int piece, const PieceBits& bits);
// Once every piece is stamped: the bands between the pieces of each group are hidden; the bands
// of the pieces with mates are found afresh and those of the others lose the cells hidden.
void FinishBands(GameState& state, int rotation);
// The piece's band in the rotation's edge buffer, from its cells (see game/EdgeBuffer.h).
void FindBand(GameState& state, int rotation, int piece);
// At a join in play, before the group numbers change: the bands between the piece and the pieces
// of the other group are hidden in every edge buffer, and their bands found afresh. With a log, the
// cells about to change are saved there first, so that the join can be undone.
void HideBandsAtJoin(GameState& state, int piece, int32_t otherGroup, EdgeCellLog* log = nullptr);
// After undo or redo put edge cells back: the bands of the pieces joined to or parted from a
// neighbour since groupsBefore are found afresh from the cells. A mere renumbering of the groups
// finds none.
void RefindBandsAfterRegroup(GameState& state, const std::vector<int32_t>& groupsBefore);
void ReleaseEdgeBuffers(GameState& state);

}  // namespace kirvo
