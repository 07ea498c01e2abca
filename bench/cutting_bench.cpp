// The cell tessellation of the finest level of a 1920 x 1080 picture, with the bucketed apex
// search the game uses and with the plain scan over every point that it replaces.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "cutting/ApexSearch.h"
#include "cutting/CellLayout.h"
#include "cutting/PieceSizeTable.h"
#include "cutting/Random.h"
#include "cutting/Tessellation.h"

namespace kirvo {
namespace {

struct Cut {
    std::vector<TessellationNode> nodes;
    TBox area;
};

// Seed points as the artistic cut draws them: one per cell, redrawn while within 2 pixels (in
// both x and y) of a point placed in the two rows above or just before it.
Cut FinestCut(int width, int height)
{
    Descriptor descriptor;
    descriptor.ImageW = width;
    descriptor.ImageH = height;
    ApplyLevel(descriptor, width, height);
    std::vector<PieceRecord> cells(descriptor.TileNum + 1);
    LayOutCells(descriptor, cells);
    Cut cut;
    BoxFromCorners(cut.area, descriptor.JigsL, descriptor.JigsT, descriptor.JigsR, descriptor.JigsB);
    Random random(20240611);
    const int columns = descriptor.TilePX;
    for (int i = 0; i < descriptor.TileNum; ++i) {
        const PieceRecord& cell = cells[i];
        TessellationNode node;
        node.cell = i;
        for (bool tooClose = true; tooClose;) {
            do
                node.x = cell.cellX + random(cell.cellWidth);
            while (node.x <= descriptor.JigsL || node.x >= descriptor.JigsR);
            do
                node.y = cell.cellY + random(cell.cellHeight);
            while (node.y <= descriptor.JigsT || node.y >= descriptor.JigsB);
            tooClose = false;
            for (int rowOffset : {-2 * columns, -columns, 0})
                for (int offset = rowOffset - 2; offset <= rowOffset + 2 && offset < 0; ++offset) {
                    int other = i + offset;
                    if (other >= 0 && std::abs(cut.nodes[other].x - node.x) <= 2 && std::abs(cut.nodes[other].y - node.y) <= 2)
                        tooClose = true;
                }
        }
        cut.nodes.push_back(node);
    }
    return cut;
}

void Tessellation(benchmark::State& state)
{
    Cut cut = FinestCut(1920, 1080);
    for (auto _ : state)
        benchmark::DoNotOptimize(Tessellate(cut.nodes, cut.area));
    state.counters["points"] = double(cut.nodes.size());
}
BENCHMARK(Tessellation)->Unit(benchmark::kMillisecond);

void TessellationWithPlainScan(benchmark::State& state)
{
    Cut cut = FinestCut(1920, 1080);
    std::vector<SeedPoint> points;
    for (const TessellationNode& node : cut.nodes)
        points.push_back({node.x, node.y});
    auto scan = [&points](int u, int v, int side) { return FindApexByScan(points, u, v, side); };
    for (auto _ : state)
        benchmark::DoNotOptimize(Tessellate(cut.nodes, cut.area, scan));
    state.counters["points"] = double(cut.nodes.size());
}
BENCHMARK(TessellationWithPlainScan)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
