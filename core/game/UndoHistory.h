// Undo history: the player's actions on the game in play, each kept as what it changed, so that
// they can be taken back and done again.
//
// The history keeps its own copy of the piece table and the draw order as it last saw them. After
// each action of the player the session hands it the game: what differs from that copy becomes a
// step when pieces moved, turned, changed window or joined. A change that only renumbers the groups
// (a group brought to the top or sent to the bottom) goes into the last step, so a click never
// takes an undo of its own, and the numbers a step puts back always fit the groups around them.
// Any change drops the steps undone before it. At most kUndoSteps steps are kept, the oldest is
// dropped first.
//
// A step holds the records of the pieces that moved, before and after, every group number and
// the draw order when they changed, and the edge-buffer cells a join changed: joins save the cells
// they are about to change in EdgeLog() (see EdgeCellLog.h). The selected flags are left out:
// undo and redo keep the selection as it is. The picture and mask buffers are never touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "game/EdgeCellLog.h"
#include "game/GameState.h"

namespace kirvo {

inline constexpr size_t kUndoSteps = 500;

struct PieceChange {
    int32_t piece = 0;
    PieceRecord before;
    PieceRecord after;
};

struct UndoStep {
    std::vector<PieceChange> pieces;                    // by piece index
    std::vector<int32_t> groupsBefore;                  // every piece's group; empty when none changed
    std::vector<int32_t> groupsAfter;
    std::vector<DrawOrderEntry> drawBefore;             // empty when the draw order did not change
    std::vector<DrawOrderEntry> drawAfter;
    std::vector<EdgeCellChange> edges;                  // by rotation, piece and cell
};

class UndoHistory {
public:
    // Starts afresh from the game as it is: nothing to undo or redo.
    void Reset(const GameState& state);
    // Where joins save the edge cells they are about to change; Record takes them.
    EdgeCellLog& EdgeLog() { return edgeLog_; }
    // After an action of the player: what changed since the history last saw the game.
    void Record(const GameState& state);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    size_t StepCount() const { return done_; }
    // Puts the game back as it was before the last step done. A change the history has not seen
    // yet goes into that step first, so it is taken back with it. False when nothing is undone.
    bool Undo(GameState& state);
    // Does the last step undone again. False when there is none, or when the game changed since.
    bool Redo(GameState& state);

private:
    UndoStep Changes(const GameState& state);
    void Apply(const UndoStep& step, ChangeSide side, GameState& state);
    // Takes in what changed since the history last saw the game: as a step of its own when allowed
    // and it moves or joins pieces, else into the last step. False when the game is another one:
    // then the history starts afresh.
    bool Take(const GameState& state, bool ownStep);
    void See(const GameState& state);

    std::deque<UndoStep> steps_;
    size_t done_ = 0;                        // steps_[0 .. done_ - 1] can be undone, the rest redone
    std::vector<PieceRecord> pieces_;        // the pieces as last seen
    std::vector<DrawOrderEntry> drawOrder_;  // the draw order as last seen
    EdgeCellLog edgeLog_;
};

}  // namespace kirvo
