#include "playfield/Gather.h"

#include <vector>

#include "game/DrawOrder.h"
#include "playfield/GroupsIntoView.h"

namespace kirvo {

namespace {

// The group with the most pieces, the lowest number on ties; -1 without pieces.
int32_t LargestGroup(const GameState& state, int& size)
{
    const int count = PieceCount(state);
    std::vector<int> sizes(size_t(count), 0);
    for (int i = 0; i < count; ++i)
        if (int32_t group = state.pieces[size_t(i)].group; group >= 0 && group < count)
            ++sizes[size_t(group)];
    int32_t largest = -1;
    size = 0;
    for (int32_t group = 0; group < count; ++group) {
        if (sizes[size_t(group)] > size) {
            largest = group;
            size = sizes[size_t(group)];
        }
    }
    return largest;
}

}  // namespace

void GatherPieces(GameState& state, PlayWindows& windows)
{
    for (int i = 0; i < PieceCount(state); ++i)
        state.pieces[size_t(i)].window = MW_SIDE0;
    SortDrawOrder(state, SortOrder::Ascending);
    if (state.weightedPiece < 0) {
        int size = 0;
        const int32_t largest = LargestGroup(state, size);
        if (largest >= 0 && size >= PieceCount(state) / 2)
            SendGroupToBottom(state, largest);
    }
    ResetPockets(windows, state);
    ShowSide(windows, state, MW_SIDE0, Carrying::Nothing);
    BringGroupsIntoView(state, windows, MW_SIDE0, Pulling::On);  // marks the game changed
    state.redrawMode = RedrawMode::WholeField;
}

}  // namespace kirvo
