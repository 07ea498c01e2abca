// The seed points of the artistic cut: one random point per cell, strictly inside the cut area
// and never within 2 pixels (in both x and y) of a point already placed in the two rows above or
// just before it.
#pragma once

#include <span>
#include <vector>

#include "base/Random.h"
#include "cutting/Tessellation.h"
#include "game/Descriptor.h"
#include "game/PieceRecord.h"

namespace kirvo {

// Cells must be at least kMinSeedCell pixels each way: in smaller ones the redraws may never end.
inline constexpr int kMinSeedCell = 4;

// One node per cell of the laid-out cells (LayOutCells), in cell order, with its seed point and
// cell index. Draws x until it lies strictly inside the cut area, then y likewise, and draws the
// cell again while the point is too close to an earlier one.
std::vector<TessellationNode> PlaceSeedPoints(const Descriptor& descriptor, std::span<const PieceRecord> cells,
                                              Random& random);

}  // namespace kirvo
