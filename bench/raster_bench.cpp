// Raster operations against a memcpy of the bytes each one writes: the ratio of the two says how
// far an operation is from the speed of memory.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "raster/PixelBuffer.h"

namespace kirvo {
namespace {

TPixelBuffer Picture(int width, int height)
{
    TPixelBuffer buffer;
    PixCreate24(buffer, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            PixSetPixel(buffer, x, y, MakeColour(x * 7, y * 3, x + y));
    return buffer;
}

// Alpha runs from 0 to 255 across the sprite, so every row takes all three blend paths.
TPixelBuffer Sprite(int size)
{
    TPixelBuffer buffer;
    PixCreate32(buffer, size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            PixSetPixel(buffer, x, y, MakeColour(255 - x, y, 128));
            PixAddress(buffer, x, y)[3] = uint8_t(x * 255 / (size - 1));
        }
    return buffer;
}

void Memcpy(benchmark::State& state, size_t bytes)
{
    std::vector<uint8_t> from(bytes, 1);
    std::vector<uint8_t> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}

void BM_PixScale(benchmark::State& state)
{
    TPixelBuffer src = Picture(1920, 1080);
    TPixelBuffer dst;
    PixCreate24(dst, 1280, 720);
    for (auto _ : state) {
        PixScale(dst, src);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * dst.size);
}

void BM_PixScale_Memcpy(benchmark::State& state)
{
    TPixelBuffer dst;
    PixCreate24(dst, 1280, 720);
    Memcpy(state, size_t(dst.size));
}

void BM_PixRotate90(benchmark::State& state)
{
    TPixelBuffer src = Picture(1920, 1080);
    TPixelBuffer dst;
    for (auto _ : state) {
        PixRotate90(dst, src);
        benchmark::DoNotOptimize(dst.bits);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * dst.size);
}

void BM_PixRotate90_Memcpy(benchmark::State& state)
{
    TPixelBuffer dst;
    PixCreate24(dst, 1080, 1920);
    Memcpy(state, size_t(dst.size));
}

void BM_PixBlendBlit(benchmark::State& state)
{
    TPixelBuffer sprite = Sprite(200);
    TPixelBuffer dst = Picture(200, 200);
    const TBox clip = BoxFromOrigin(0, 0, 200, 200);
    for (auto _ : state) {
        PixBlendBlit(dst, 0, 0, 200, 200, sprite, 0, 0, 200, 200, clip);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * dst.size);
}

void BM_PixBlendBlit_Memcpy(benchmark::State& state)
{
    TPixelBuffer dst;
    PixCreate24(dst, 200, 200);
    Memcpy(state, size_t(dst.size));
}

BENCHMARK(BM_PixScale)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixScale_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixRotate90)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixRotate90_Memcpy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixBlendBlit)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PixBlendBlit_Memcpy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
