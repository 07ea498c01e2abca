#include "game/GameState.h"

#include <algorithm>
#include <cassert>

namespace kirvo {

int PieceCount(const GameState& state)
{
    return std::min(state.descriptor.TotalTileNum, int(state.pieces.size()));
}

int BorderPieceIndex(const GameState& state)
{
    return IsBorderPuzzle(state.descriptor) ? state.descriptor.TotalTileNum - 1 : -1;
}

void AllocatePieceTable(GameState& state, int recordCount)
{
    assert(recordCount >= 0);
    state.pieces.assign(size_t(recordCount) + 1, PieceRecord {});
    state.drawOrder.clear();
    state.drawOrder.reserve(size_t(recordCount) + 1);
}

void FreePieceTable(GameState& state)
{
    state.pieces = std::vector<PieceRecord>();
    state.drawOrder = std::vector<DrawOrderEntry>();
}

void MarkChanged(GameState& state)
{
    state.changed = true;
    state.autosavePending = true;
}

void ResetPlayFlags(GameState& state)
{
    state.draggedPiece = -1;
    state.selectionExists = false;
    state.solved = false;
    state.changed = false;
    state.autosavePending = false;
}

}  // namespace kirvo
