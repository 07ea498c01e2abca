// PieceArea: where in a rotation's buffers a piece's effects are worked out.
#pragma once

#include <algorithm>
#include <cstdint>

#include "game/PieceGeometry.h"
#include "raster/Box.h"

namespace kirvo {

// Inclusive edges, as a TBox's; clipping may leave right < left or bottom < top, and then the area
// is empty and a loop over it takes no step.
struct PieceArea {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
};

inline bool Contains(const PieceArea& area, int x, int y)
{
    return x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
}

// The piece's box in the buffers of the rotation, grown by grow pixels to the right and downward
// and clipped to a width x height buffer: a damaged saved game may put a box anywhere.
inline PieceArea ClippedPieceArea(const GameState& state, int piece, int rotation, int grow, int width, int height)
{
    const PieceBox box = RotatedSourceBox(state, piece, rotation);
    PieceArea area;
    area.left = MaxInt(box.x, 0);
    area.top = MaxInt(box.y, 0);
    area.right = int(std::min<int64_t>(int64_t(box.x) + box.width + grow, width) - 1);
    area.bottom = int(std::min<int64_t>(int64_t(box.y) + box.height + grow, height) - 1);
    return area;
}

}  // namespace kirvo
