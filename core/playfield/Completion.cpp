#include "playfield/Completion.h"

#include <algorithm>

#include "base/Rounding.h"
#include "game/DrawOrder.h"

namespace kirvo {

bool CheckCompletion(GameState& state, const PlayWindows& windows)
{
    const int count = PieceCount(state);
    if (state.solved || count < 1)
        return false;
    const int32_t group = state.pieces[0].group;
    for (int k = 1; k < count; ++k)
        if (state.pieces[size_t(k)].group != group || state.pieces[size_t(k)].rotation != 0)
            return false;
    state.solved = true;

    // The picture's top-left is where piece 0 lies less its place in the picture.
    const PieceRecord& first = state.pieces[0];
    const int dx = (windows.field.visibleWidth - state.descriptor.ImageW) / 2 - (first.x - first.sourceX);
    const int dy = (windows.field.visibleHeight - state.descriptor.ImageH) / 2 - (first.y - first.sourceY);
    for (int k = 0; k < count; ++k) {
        state.pieces[size_t(k)].x += dx;
        state.pieces[size_t(k)].y += dy;
    }
    MarkChanged(state);
    state.redrawMode = RedrawMode::WholeField;
    return true;
}

PuzzleProgress Progress(GameState& state, bool puzzleLoaded)
{
    const int total = state.descriptor.TotalTileNum;
    if (!puzzleLoaded || total < 1)
        return {};
    SortDrawOrder(state, SortOrder::Ascending);
    int changes = 0;
    for (size_t i = 1; i < state.drawOrder.size(); ++i)
        changes += state.drawOrder[i].group != state.drawOrder[i - 1].group;
    const int unsolved = changes + 1 == total ? total : changes;
    const int percent = state.solved ? 100 : RoundHalfEven((total - unsolved) * 100.0 / total);
    return {unsolved, percent};
}

}  // namespace kirvo
