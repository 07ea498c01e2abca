#include "game/EdgeCellLog.h"

#include <algorithm>
#include <cstring>

namespace kirvo {

void SaveEdgeArea(EdgeCellLog& log, const EdgeBuffer& buffer, int rotation, int left, int top, int right, int bottom)
{
    if (right < left || bottom < top)
        return;
    SavedEdgeArea area {.rotation = rotation, .left = left, .top = top, .right = right, .bottom = bottom, .cells = {}};
    const size_t rowBytes = size_t(right - left + 1) * kEdgeCellSize;
    area.cells.resize(rowBytes * size_t(bottom - top + 1));
    for (int y = top; y <= bottom; ++y)
        std::memcpy(area.cells.data() + size_t(y - top) * rowBytes, EdgeCell(buffer, left, y), rowBytes);
    log.push_back(std::move(area));
}

std::vector<EdgeCellChange> TakeEdgeCellChanges(EdgeCellLog& log, const GameState& state)
{
    // Areas may overlap: the first saving of a cell holds its content before the change.
    std::vector<EdgeCellChange> saved;
    for (const SavedEdgeArea& area : log) {
        const int width = state.edgeBuffers[size_t(area.rotation)].width;
        const uint8_t* cell = area.cells.data();
        for (int y = area.top; y <= area.bottom; ++y)
            for (int x = area.left; x <= area.right; ++x, cell += kEdgeCellSize) {
                EdgeCellChange change {.rotation = uint8_t(area.rotation),
                                       .cell = uint32_t(size_t(y) * size_t(width) + size_t(x))};
                std::memcpy(change.before.data(), cell, kEdgeCellSize);
                saved.push_back(change);
            }
    }
    log.clear();
    std::stable_sort(saved.begin(), saved.end(), [](const EdgeCellChange& a, const EdgeCellChange& b) {
        return a.rotation != b.rotation ? a.rotation < b.rotation : a.cell < b.cell;
    });
    std::vector<EdgeCellChange> changes;
    for (size_t i = 0; i < saved.size(); ++i) {
        if (i > 0 && saved[i].rotation == saved[i - 1].rotation && saved[i].cell == saved[i - 1].cell)
            continue;
        EdgeCellChange change = saved[i];
        const EdgeBuffer& buffer = state.edgeBuffers[change.rotation];
        std::memcpy(change.after.data(), buffer.cells.data() + size_t(change.cell) * kEdgeCellSize, kEdgeCellSize);
        if (change.after != change.before)
            changes.push_back(change);
    }
    return changes;
}

void WriteEdgeCells(GameState& state, const std::vector<EdgeCellChange>& changes, ChangeSide side)
{
    for (const EdgeCellChange& change : changes) {
        const auto& cell = side == ChangeSide::Before ? change.before : change.after;
        EdgeBuffer& buffer = state.edgeBuffers[change.rotation];
        std::memcpy(buffer.cells.data() + size_t(change.cell) * kEdgeCellSize, cell.data(), kEdgeCellSize);
    }
}

}  // namespace kirvo
