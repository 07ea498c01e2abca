// Edge cell log: the cells of the edge buffers as they were before a join hid bands in them, kept
// piece by piece while the join runs, and turned afterwards into the list of cells it changed,
// before and after, so that the join can be undone and redone exactly.
#pragma once

#include <cstdint>
#include <vector>

#include "game/EdgeBuffer.h"
#include "game/GameState.h"

namespace kirvo {

// The cells of one piece in one rotation's edge buffer, as they were.
struct SavedPieceCells {
    int rotation = 0;
    int piece = 0;
    std::vector<uint8_t> cells;
};

using EdgeCellLog = std::vector<SavedPieceCells>;

struct EdgeCellChange {
    uint8_t rotation = 0;
    int32_t piece = 0;
    uint32_t cell = 0;  // index of the cell in the piece's box (CellIndex)
    uint8_t before = 0;
    uint8_t after = 0;

    friend bool operator==(const EdgeCellChange&, const EdgeCellChange&) = default;
};

// Keeps the piece's cells before they change.
void SavePieceCells(EdgeCellLog& log, const EdgeBuffer& buffer, int rotation, int piece);

// Every cell the log holds whose content differs now: before is its content when first saved,
// after its content in the buffers now. Ordered by rotation, piece and cell. The log is emptied.
std::vector<EdgeCellChange> TakeEdgeCellChanges(EdgeCellLog& log, const GameState& state);

enum class ChangeSide { Before, After };

// Writes the befores or the afters of the changes into the edge buffers.
void WriteEdgeCells(GameState& state, const std::vector<EdgeCellChange>& changes, ChangeSide side);

}  // namespace kirvo
