// Picture shapes from our own library: drawing one into a 150 x 150 rectangle of a line canvas,
// and the whole preparation a cut gives each picture piece (load, recolour, mirror, turn, draw at
// about 100 x 100). A cut of 300 picture pieces pays the second 300 times.
#include <benchmark/benchmark.h>

#include "cutting/PictureShape.h"
#include "cutting/ShapeLibrary.h"
#include "raster/MetafileRaster.h"

namespace kirvo {
namespace {

const ShapeLibrary& Library()
{
    static const ShapeLibrary library = LoadShapeLibrary(KIRVO_SHAPE_LIBRARY).value();
    return library;
}

TPixelBuffer WhiteCanvas()
{
    TPixelBuffer canvas;
    PixCreate24(canvas, 400, 300);
    PixFillRect(canvas, 0, 0, canvas.width, canvas.height, 0xFFFFFF);
    return canvas;
}

// Argument: the shape's index in the library (0 cat, 11 flower, 21 heart).
void DrawShape150(benchmark::State& state)
{
    Metafile shape = LoadMetafile(Library().shapes[size_t(state.range(0))].data).value();
    TPixelBuffer canvas = WhiteCanvas();
    for (auto _ : state) {
        DrawMetafile(canvas, shape, 120, 80, 150, 150);
        benchmark::DoNotOptimize(canvas.bits);
    }
}
BENCHMARK(DrawShape150)->ArgName("shape")->Arg(0)->Arg(11)->Arg(21)->Unit(benchmark::kMicrosecond);

void PrepareAndDrawEveryShape(benchmark::State& state)
{
    TPixelBuffer canvas = WhiteCanvas();
    const std::vector<LibraryShape>& shapes = Library().shapes;
    int turn = 0;
    for (auto _ : state) {
        for (const LibraryShape& entry : shapes) {
            Metafile shape = LoadMetafile(entry.data).value();
            RecolourShape(shape, MakeColour(128, 0, 40));
            MirrorShape(shape, entry.mayMirrorLeftToRight, false);
            MetafileSize size = RotateShape(shape, turn = (turn + 37) % 360);
            DrawMetafile(canvas, shape, 100, 60, size.width, size.height);
        }
        benchmark::DoNotOptimize(canvas.bits);
    }
    state.counters["shapes"] = double(shapes.size());
}
BENCHMARK(PrepareAndDrawEveryShape)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
