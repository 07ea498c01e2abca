#include "game/EdgeCellLog.h"

#include <algorithm>

namespace kirvo {

void SavePieceCells(EdgeCellLog& log, const EdgeBuffer& buffer, int rotation, int piece)
{
    log.push_back({.rotation = rotation, .piece = piece, .cells = buffer.pieces[size_t(piece)].cells});
}

std::vector<EdgeCellChange> TakeEdgeCellChanges(EdgeCellLog& log, const GameState& state)
{
    // A piece may be saved more than once: its first saving holds its cells before the change.
    std::stable_sort(log.begin(), log.end(), [](const SavedPieceCells& a, const SavedPieceCells& b) {
        return a.rotation != b.rotation ? a.rotation < b.rotation : a.piece < b.piece;
    });
    std::vector<EdgeCellChange> changes;
    for (size_t i = 0; i < log.size(); ++i) {
        const SavedPieceCells& saved = log[i];
        if (i > 0 && saved.rotation == log[i - 1].rotation && saved.piece == log[i - 1].piece)
            continue;
        const PieceCells& now = state.edgeBuffers[size_t(saved.rotation)].pieces[size_t(saved.piece)];
        const PieceCells before {.cells = saved.cells};
        for (size_t k = 0; k < 2 * saved.cells.size() && k < 2 * now.cells.size(); ++k)
            if (CellValue(before, k) != CellValue(now, k))
                changes.push_back({.rotation = uint8_t(saved.rotation),
                                   .piece = saved.piece,
                                   .cell = uint32_t(k),
                                   .before = uint8_t(CellValue(before, k)),
                                   .after = uint8_t(CellValue(now, k))});
    }
    log.clear();
    return changes;
}

void WriteEdgeCells(GameState& state, const std::vector<EdgeCellChange>& changes, ChangeSide side)
{
    // Cells of buffers made afresh since, with other boxes, are left alone.
    for (const EdgeCellChange& change : changes) {
        std::vector<PieceCells>& pieces = state.edgeBuffers[change.rotation].pieces;
        if (size_t(change.piece) < pieces.size() && change.cell < 2 * pieces[size_t(change.piece)].cells.size())
            SetCellValue(pieces[size_t(change.piece)], change.cell,
                         side == ChangeSide::Before ? change.before : change.after);
    }
}

}  // namespace kirvo
