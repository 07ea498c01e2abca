// Edge cell log: the cells of the edge buffers as they were before a join hid bands in them, kept
// area by area while the join runs, and turned afterwards into the list of cells it changed, before
// and after, so that the join can be undone and redone exactly.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/EdgeBuffer.h"
#include "game/GameState.h"

namespace kirvo {

// A box of cells of one rotation's edge buffer, inclusive edges, as it was.
struct SavedEdgeArea {
    int rotation = 0;
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    std::vector<uint8_t> cells;  // rows of (right - left + 1) cells
};

using EdgeCellLog = std::vector<SavedEdgeArea>;

struct EdgeCellChange {
    uint8_t rotation = 0;
    uint32_t cell = 0;  // index of the cell in its buffer: y * width + x
    std::array<uint8_t, kEdgeCellSize> before {};
    std::array<uint8_t, kEdgeCellSize> after {};

    friend bool operator==(const EdgeCellChange&, const EdgeCellChange&) = default;
};

// Keeps the cells of the box (clipped by the caller to the buffer) before they change.
void SaveEdgeArea(EdgeCellLog& log, const EdgeBuffer& buffer, int rotation, int left, int top, int right, int bottom);

// Every cell the log holds whose content differs now: before is its content when first saved,
// after its content in the buffers now. Ordered by rotation and cell. The log is emptied.
std::vector<EdgeCellChange> TakeEdgeCellChanges(EdgeCellLog& log, const GameState& state);

enum class ChangeSide { Before, After };

// Writes the befores or the afters of the changes into the edge buffers.
void WriteEdgeCells(GameState& state, const std::vector<EdgeCellChange>& changes, ChangeSide side);

}  // namespace kirvo
