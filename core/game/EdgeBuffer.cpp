#include "game/EdgeBuffer.h"

namespace kirvo {

void MakeEdgeBuffer(EdgeBuffer& buffer, int width, int height)
{
    if (width <= 0 || height <= 0) {
        FreeEdgeBuffer(buffer);
        return;
    }
    buffer.width = width;
    buffer.height = height;
    buffer.pieces.clear();
    for (CellSpans& band : buffer.bands)
        band.Clear();
}

void FreeEdgeBuffer(EdgeBuffer& buffer) { buffer = EdgeBuffer(); }

}  // namespace kirvo
