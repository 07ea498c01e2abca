#include "playfield/Arrange.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

#include "base/Rounding.h"
#include "game/DrawOrder.h"

namespace kirvo {

namespace {

struct Singles {
    std::vector<int> pieces;  // in drawing order
    int left = INT_MAX;       // top-left corner of every selected piece, single or not
    int top = INT_MAX;
};

// A selected piece is single when its neighbours in the drawing order belong to other groups.
Singles SelectedSingles(GameState& state)
{
    SortDrawOrder(state, SortOrder::Ascending);
    const std::vector<DrawOrderEntry>& order = state.drawOrder;
    const int border = BorderPieceIndex(state);
    Singles singles;
    for (size_t k = 0; k < order.size(); ++k) {
        const PieceRecord& piece = state.pieces[size_t(order[k].piece)];
        if (!piece.selected)
            continue;
        singles.left = std::min(singles.left, piece.x);
        singles.top = std::min(singles.top, piece.y);
        const bool joinedBefore = k > 0 && order[k - 1].group == order[k].group;
        const bool joinedAfter = k + 1 < order.size() && order[k + 1].group == order[k].group;
        if (!joinedBefore && !joinedAfter && order[k].piece != border)
            singles.pieces.push_back(order[k].piece);
    }
    return singles;
}

}  // namespace

bool ArrangeSelection(GameState& state, PlayWindows& windows, Random& random)
{
    Singles singles = SelectedSingles(state);
    const int n = int(singles.pieces.size());
    if (n == 0)
        return false;
    for (int j = 0; j < n; ++j)
        std::swap(singles.pieces[size_t(j)], singles.pieces[size_t(random(n))]);

    const int window = state.currentWindow;
    const FieldSizes& field = windows.field;
    const int limitX = std::max(IsPocket(window) ? field.startWidth : field.virtualWidth, 1);
    const int limitY = std::max(IsPocket(window) ? field.startHeight : field.virtualHeight, 1);
    // At least one column and one row, so that a field of extreme proportions never divides by zero.
    int columns = std::max(RoundHalfEven(std::sqrt(double(limitX) * n / limitY)), 1);
    int rows = std::max(RoundHalfEven(std::sqrt(double(limitY) * n / limitX)), 1);
    if (columns * rows < n) {
        if (columns < rows)
            ++rows;
        else
            ++columns;
    }
    const int cell = state.descriptor.MaskS + state.descriptor.knobMargin;
    const int cellWidth = limitX < columns * cell ? limitX / columns : cell;
    const int cellHeight = limitY < rows * cell ? limitY / rows : cell;
    for (int k = 0; k < n; ++k) {
        PieceRecord& piece = state.pieces[size_t(singles.pieces[size_t(k)])];
        piece.x = cellWidth * (k % columns) + singles.left;
        piece.y = cellHeight * (k / columns) + singles.top;
    }

    if (IsSideOrPocket(window))
        UpdateExtent(windows.windows[size_t(window)], state);
    MarkChanged(state);
    state.redrawMode = RedrawMode::WholeField;
    return true;
}

}  // namespace kirvo
