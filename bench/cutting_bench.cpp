// The cell tessellation of the finest level of a 1920 x 1080 picture, with the bucketed apex
// search the game uses and with the plain scan over every point that it replaces; and the whole
// cut of that picture, artistic (shape style 0), artistic with the picture pieces of the shape
// library the build writes (shape style 3), and on the grid (shape style 4).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "base/Random.h"
#include "cutting/ApexSearch.h"
#include "cutting/CellLayout.h"
#include "cutting/Cut.h"
#include "cutting/KnobAtlas.h"
#include "cutting/PieceSizeTable.h"
#include "cutting/SeedPoints.h"
#include "cutting/ShapeLibrary.h"
#include "cutting/Tessellation.h"

namespace kirvo {
namespace {

struct Cut {
    std::vector<TessellationNode> nodes;
    TBox area;
};

// Seed points as the artistic cut draws them.
Cut FinestCut(int width, int height)
{
    Descriptor descriptor;
    descriptor.ImageW = width;
    descriptor.ImageH = height;
    ApplyLevel(descriptor, width, height);
    std::vector<PieceRecord> cells(descriptor.TileNum + 1);
    LayOutCells(descriptor, cells);
    Cut cut;
    cut.area = BoxFromCorners(descriptor.JigsL, descriptor.JigsT, descriptor.JigsR, descriptor.JigsB);
    Random random(20240611);
    cut.nodes = PlaceSeedPoints(descriptor, cells, random);
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

void WholeCut(benchmark::State& state)
{
    Descriptor descriptor;
    descriptor.ImageW = 1920;
    descriptor.ImageH = 1080;
    descriptor.ShapeStyle = uint8_t(state.range(0));
    ApplyLevel(descriptor, descriptor.ImageW, descriptor.ImageH);
    const KnobAtlas atlas = KnobAtlasFromPicture(DrawKnobAtlas()).value();
    const ShapeLibrary shapes = LoadShapeLibrary(KIRVO_SHAPE_LIBRARY).value();
    int pictures = 0;
    for (auto _ : state) {
        Descriptor cut = descriptor;
        std::vector<PieceRecord> pieces(size_t(cut.TotalTileNum) + 1);
        TPixelBuffer mask;
        Random random(20240611);
        CutPieces(cut, pieces, mask, random, atlas, {}, &shapes);
        benchmark::DoNotOptimize(mask.bits);
        pictures = int(std::count_if(pieces.begin(), pieces.end(), [](const PieceRecord& p) { return p.pictureShape; }));
    }
    state.counters["pieces"] = double(descriptor.TileNum);
    state.counters["pictures"] = double(pictures);
}
BENCHMARK(WholeCut)->ArgName("style")->Arg(0)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
