// Joining: what a drop does — the dropped group snaps to every matching neighbour within the
// snapping tolerance and the groups join — and the other ways play changes groups: turning a group
// about a point, sending it to the other side, keeping the weighted group underneath.
//
// Groups join in table order as the drop walks the dragged group; pieces that join during the walk
// are walked too, so one drop can join several groups. The smaller group moves onto the larger (a
// tie moves the dropped one) and the group holding the frame never moves.
#pragma once

#include <cstdint>

#include "game/EdgeCellLog.h"
#include "game/GameState.h"

namespace kirvo {

// Pixels two pieces may lie off their places and still join: the snap distance scaled by the
// snapping strength in tenths, halves to even.
int SnapTolerance(int snapDistance, int strength);

struct Offset {
    int x = 0;
    int y = 0;
};

// Where piece r's box lies relative to piece q's when both are in place, turned b quarter turns.
Offset OffsetInPlace(const PieceRecord& r, const PieceRecord& q, int b);

struct JoinResult {
    int joins = 0;
    int piece = -1;  // the last join: a piece of the dropped group and the piece it joined
    int otherPiece = -1;
};

// Joins the dragged piece's group to every group of the window that matches, including those a
// join brings within reach. Group numbers of the joined pieces become the dragged group's; the draw
// order is not rebuilt. With a log, the edge cells the joins change are saved there first.
JoinResult JoinDroppedGroup(GameState& state, int draggedPiece, int window, int tolerance,
                            EdgeCellLog* log = nullptr);

enum class Turn { Clockwise, CounterClockwise };

// Turns the piece's group a quarter turn about the field point (pivotX, pivotY) of its window.
// A group holding the frame does not turn. False when nothing turned. The turned pieces get the
// runs of their new rotation when the effects left them unmade.
bool TurnGroup(GameState& state, int piece, Turn turn, int pivotX, int pivotY);

// The selected pieces, or else the piece's group, go to the other side; positions stay.
void MoveToOtherSide(GameState& state, int piece, bool selection, int fromSide);

// The weighted piece's group becomes group 0, drawn first; every group below it moves up one.
// Nothing happens without a weighted piece. The draw order is rebuilt.
void WeightedGroupToBottom(GameState& state);

}  // namespace kirvo
