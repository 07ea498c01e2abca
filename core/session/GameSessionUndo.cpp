// Undo and redo of the player's actions on the pieces.
#include <array>

#include "cutting/EdgeBands.h"
#include "session/GameSession.h"

namespace kirvo {

bool GameSession::Undo() { return StepHistory(&UndoHistory::Undo); }

bool GameSession::Redo() { return StepHistory(&UndoHistory::Redo); }

bool GameSession::StepHistory(bool (UndoHistory::*step)(GameState&))
{
    if (!names_.puzzleLoaded || progress_.shown || drag_.state != DragState::Idle)
        return false;
    ClearSelectionIfAny();
    std::array<int, kPlayWindowCount> groupsBefore {};
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n)
        groupsBefore[size_t(n)] = windows_.windows[size_t(n)].groupCount;
    std::vector<int32_t> pieceGroups;
    for (int i = 0; i < PieceCount(state_); ++i)
        pieceGroups.push_back(state_.pieces[size_t(i)].group);
    if (!(history_.*step)(state_))
        return false;
    // The edge cells of joins came back: the bands drawn from them follow.
    RefindBandsAfterRegroup(state_, pieceGroups);
    // Pieces may have gone into or out of pockets; one that gets pieces back must show them.
    for (int n = MW_POCKET0; n <= MW_POCKET3; ++n) {
        TMyWin& pocket = windows_.windows[size_t(n)];
        Recount(windows_, state_, n);
        UpdateExtent(pocket, state_);
        if (!pocket.visible && pocket.groupCount > groupsBefore[size_t(n)])
            ShowOrHidePocket(windows_, state_, n, Visibility::Shown);
    }
    state_.draggedPiece = -1;
    MarkChanged(state_);
    RedrawAfterWindowChange();
    return true;
}

}  // namespace kirvo
