#include "playfield/Spread.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "base/Rounding.h"

namespace kirvo {

namespace {

// The loose pieces of the window in table order.
std::vector<int> LoosePieces(const GameState& state, int window)
{
    const int count = PieceCount(state);
    std::vector<int> groupSizes(size_t(std::max(count, 0)), 0);
    for (int i = 0; i < count; ++i)
        if (int group = state.pieces[i].group; group >= 0 && group < count)
            ++groupSizes[size_t(group)];
    const int border = BorderPieceIndex(state);
    std::vector<int> loose;
    for (int i = 0; i < count; ++i) {
        const PieceRecord& piece = state.pieces[i];
        if (i != border && piece.window == window && piece.group >= 0 && piece.group < count
            && groupSizes[size_t(piece.group)] == 1)
            loose.push_back(i);
    }
    return loose;
}

// Columns and rows for n pieces in the proportions of the visible field: at least one of each,
// so that a single piece or a field of extreme proportions never divides by zero.
std::pair<int, int> GridSize(int n, const FieldSizes& field)
{
    const int64_t product = int64_t(n) * field.visibleWidth / std::max(field.visibleHeight, 1);
    int columns = std::clamp(RoundHalfEven(std::sqrt(double(product))), 1, n);
    int rows = n / columns;
    if (columns * rows < n) {
        if (rows * (columns + 1) < columns * (rows + 1))
            ++columns;
        else
            ++rows;
    }
    return {columns, rows};
}

}  // namespace

void SpreadPieces(GameState& state, const PlayWindows& windows, int window, SpreadLayout layout, Random& random)
{
    std::vector<int> loose = LoosePieces(state, window);
    const int n = int(loose.size());
    if (n == 0)
        return;
    const int m = state.descriptor.knobMargin;
    const int width = windows.field.virtualWidth;
    const int height = windows.field.virtualHeight;

    if (layout == SpreadLayout::Grid) {
        for (int j = 0; j < n; ++j)
            std::swap(loose[size_t(j)], loose[size_t(random(n))]);
        const auto [columns, rows] = GridSize(n, windows.field);
        for (int j = 0; j < n; ++j) {
            PieceRecord& piece = state.pieces[size_t(loose[size_t(j)])];
            piece.x = (j % columns) * (width - 2 * m) / columns + m;
            piece.y = (j / columns) * (height - 2 * m) / rows + m;
        }
        return;
    }
    // A field smaller than a piece and its margins leaves no room to choose: such pieces go to the margin.
    const int rangeX = std::max(width - 4 * m - state.descriptor.TileS, 0);
    const int rangeY = std::max(height - 4 * m - state.descriptor.TileS, 0);
    for (int i : loose) {
        PieceRecord& piece = state.pieces[size_t(i)];
        piece.x = random(rangeX) + m;
        piece.y = random(rangeY) + m;
    }
}

}  // namespace kirvo
