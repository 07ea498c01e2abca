// The draw order: groups stacked by their numbers, the highest on top.
//
// drawOrder lists (group, piece) for every piece, ascending for drawing (later entries on top)
// or descending for hit testing (topmost first). Each operation here that renumbers groups
// rebuilds the list in ascending order afterwards.
#pragma once

#include "game/GameState.h"

namespace kirvo {

enum class SortOrder {
    Ascending,   // drawing order
    Descending,  // hit-testing order
};

// Rebuilds drawOrder from the group numbers. Pieces of one group come in a fixed order that
// depends only on the table, so the same groups always stack and hit-test the same way.
void SortDrawOrder(GameState& state, SortOrder order);
// Puts the group on top: it becomes TotalTileNum - 1 and every number above it drops by one.
void BringGroupToTop(GameState& state, int32_t group);
// Puts the group at the bottom: it becomes 0 and every number below it rises by one.
void SendGroupToBottom(GameState& state, int32_t group);
// Puts the groups of the selected pieces on top, keeping their order among themselves and the
// order of the rest, and renumbers all groups densely from 0.
void BringSelectionToTop(GameState& state);

}  // namespace kirvo
