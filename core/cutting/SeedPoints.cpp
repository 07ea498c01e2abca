#include "cutting/SeedPoints.h"

#include <cassert>
#include <cstdlib>

namespace kirvo {

namespace {

// The earlier points compared, as index offsets: around the same column two rows up and one
// row up, then the two cells before. The list stops at the first offset that is not negative,
// which with one or two columns comes early.
bool TooClose(std::span<const TessellationNode> placed, int columns, int x, int y)
{
    const int index = int(placed.size());
    for (int rowBack : {2 * columns, columns, 0}) {
        for (int k = -2; k <= 2; ++k) {
            int offset = -rowBack + k;
            if (offset >= 0)
                return false;
            int other = index + offset;
            if (other < 0)
                continue;
            if (std::abs(placed[other].x - x) <= 2 && std::abs(placed[other].y - y) <= 2)
                return true;
        }
    }
    return false;
}

}  // namespace

std::vector<TessellationNode> PlaceSeedPoints(const Descriptor& d, std::span<const PieceRecord> cells, Random& random)
{
    assert(int(cells.size()) >= d.TileNum);
    assert(d.TileNum == 0 || d.TileS >= kMinSeedCell);
    std::vector<TessellationNode> nodes;
    nodes.reserve(size_t(d.TileNum));
    for (int i = 0; i < d.TileNum; ++i) {
        const PieceRecord& cell = cells[i];
        int x;
        int y;
        do {
            do
                x = cell.cellX + random(cell.cellWidth);
            while (x <= d.JigsL || x >= d.JigsR);
            do
                y = cell.cellY + random(cell.cellHeight);
            while (y <= d.JigsT || y >= d.JigsB);
        } while (TooClose(nodes, d.TilePX, x, y));
        TessellationNode& node = nodes.emplace_back();
        node.x = x;
        node.y = y;
        node.cell = i;
    }
    return nodes;
}

}  // namespace kirvo
