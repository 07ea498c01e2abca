// The piece effects of the finest artistic cut of a 1920 x 1080 picture (3818 pieces) with
// rotation on: the relief of each emboss style and the shadow's bands, in all four turned mask
// buffers; and the same for the solved puzzle, where the bands between joined pieces are hidden.
#include <benchmark/benchmark.h>

#include "base/Random.h"
#include "cutting/Cut.h"
#include "cutting/EdgeBands.h"
#include "cutting/KnobAtlas.h"
#include "cutting/PieceEffects.h"
#include "cutting/PieceSizeTable.h"
#include "game/TurnedBuffers.h"

namespace kirvo {
namespace {

GameState FinestTurnedCut()
{
    GameState game;
    Descriptor& d = game.descriptor;
    d.ImageW = 1920;
    d.ImageH = 1080;
    d.Rotate = 1;
    ApplyLevel(d, d.ImageW, d.ImageH);
    game.pieces.resize(size_t(d.TotalTileNum) + 1);
    Random random(20240611);
    CutPieces(d, game.pieces, game.buffers[kMaskBuffer], random, KnobAtlasFromPicture(DrawKnobAtlas()).value());
    for (int k = 0; k < d.TotalTileNum; ++k)
        game.pieces[size_t(k)].group = k;
    PixCreate24(game.buffers[kPictureBuffer], d.ImageW, d.ImageH);
    MakeTurnedBuffers(game);
    return game;
}

// Each time as right after the cut: flat masks and no edge buffers yet, so their memory is new.
void ApplyEffectsTurned(benchmark::State& state)
{
    GameState game = FinestTurnedCut();
    game.look.embossStyle = int(state.range(0));
    game.look.woodStyle = int(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        ReleaseEdgeBuffers(game);
        for (int r = 0; r < 4; ++r)
            ResetRelief(game.buffers[size_t(kMaskBuffer + r)]);
        state.ResumeTiming();
        ApplyEffects(game);
        benchmark::DoNotOptimize(game.edgeBuffers[3].pieces.data());
    }
    state.counters["pieces"] = double(game.descriptor.TotalTileNum);
}
// The shadow with each emboss style; then the bands alone and the relief alone.
BENCHMARK(ApplyEffectsTurned)
    ->ArgNames({"emboss", "wood"})
    ->Args({kEmbossPaper, kWoodShadow})
    ->Args({kEmbossCardboard, kWoodShadow})
    ->Args({kEmbossFatCard, kWoodShadow})
    ->Args({kEmbossNone, kWoodShadow})
    ->Args({kEmbossFatCard, kWoodNone})
    ->Unit(benchmark::kMillisecond);

// The styles changed again in a solved game: every piece in one group, so every band between
// neighbours is hidden; the edge buffers are remade in the memory they have.
void ApplyEffectsTurnedSolved(benchmark::State& state)
{
    GameState game = FinestTurnedCut();
    for (int k = 0; k < game.descriptor.TotalTileNum; ++k)
        game.pieces[size_t(k)].group = 0;
    game.look.embossStyle = kEmbossFatCard;
    game.look.woodStyle = kWoodShadow;
    ApplyEffects(game);
    for (auto _ : state) {
        ApplyEffects(game);
        benchmark::DoNotOptimize(game.edgeBuffers[3].pieces.data());
    }
}
BENCHMARK(ApplyEffectsTurnedSolved)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
