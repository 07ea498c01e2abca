#include "playfield/Selection.h"

#include <algorithm>
#include <vector>

#include "game/DrawOrder.h"
#include "playfield/GroupsIntoView.h"

namespace kirvo {

namespace {

constexpr int kFrameSlack = 20;

int32_t WeightedGroup(const GameState& state)
{
    return state.weightedPiece >= 0 && state.weightedPiece < PieceCount(state)
               ? state.pieces[size_t(state.weightedPiece)].group
               : -1;
}

bool Inside(const PieceRecord& p, bool frame, const TBox& r)
{
    const int f = frame ? kFrameSlack : p.width / 3;
    const int g = frame ? kFrameSlack : p.height / 3;
    return p.x + f >= r.left && p.y + g >= r.top && r.left + r.width >= p.x + p.width - f
        && r.top + r.height >= p.y + p.height - g;
}

// Selection exists when anything was selected; the selected groups then come to the top.
bool FinishSelecting(GameState& state, bool any)
{
    state.selectionExists = any;
    if (any)
        BringSelectionToTop(state);
    else
        SortDrawOrder(state, SortOrder::Ascending);
    return any;
}

}  // namespace

bool SelectByRectangle(GameState& state, const TBox& rectangle)
{
    const int window = state.currentWindow;
    if (!IsSideOrPocket(window))
        return false;
    const int32_t weighted = WeightedGroup(state);
    const int frame = BorderPieceIndex(state);
    std::vector<char> outside(size_t(PieceCount(state)), 0);  // by group number
    for (int k = 0; k < PieceCount(state); ++k) {
        const PieceRecord& p = state.pieces[size_t(k)];
        if (p.window == window && p.group >= 0 && p.group < PieceCount(state) && !Inside(p, k == frame, rectangle))
            outside[size_t(p.group)] = 1;
    }
    bool any = false;
    for (int k = 0; k < PieceCount(state); ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (p.window == window && p.group != weighted && p.group >= 0 && p.group < PieceCount(state)
            && !outside[size_t(p.group)]) {
            p.selected = true;
            any = true;
        }
    }
    return FinishSelecting(state, any);
}

bool SelectAll(GameState& state, PlayWindows& windows)
{
    if (!IsSideOrPocket(state.currentWindow))
        MakeCurrent(windows, state, FallbackCurrentWindow(windows));
    const int32_t weighted = WeightedGroup(state);
    bool any = false;
    for (int k = 0; k < PieceCount(state); ++k) {
        PieceRecord& p = state.pieces[size_t(k)];
        if (p.window == state.currentWindow && p.group != weighted) {
            p.selected = true;
            any = true;
        }
    }
    return FinishSelecting(state, any);
}

void ClearSelection(GameState& state, PlayWindows& windows)
{
    for (int k = 0; k < PieceCount(state); ++k)
        state.pieces[size_t(k)].selected = false;
    if (IsSideOrPocket(state.currentWindow))
        BringGroupsIntoView(state, windows, state.currentWindow, Pulling::Off);
    else
        MarkChanged(state);
    state.selectionExists = false;
    state.redrawMode = RedrawMode::WholeField;
}

}  // namespace kirvo
