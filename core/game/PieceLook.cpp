#include "game/PieceLook.h"

#include <algorithm>

#include "game/EdgeBuffer.h"

namespace kirvo {

int EdgeWidth(int woodStyle, int current)
{
    switch (woodStyle) {
    case kWoodNone:
        return 0;
    case kWoodEdge:
        return 3;
    case kWoodShadow:
        return 5;
    default:  // a depth field holds no more
        return std::clamp(current, 0, kMaxEdgeDepth);
    }
}

}  // namespace kirvo
