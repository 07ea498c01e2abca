// Opening the sample jigsaw (SampleJigsaw.h) with the game's usual effects, paper relief and
// shadows: reading the file, decoding the picture, cutting, turning the buffers, dealing, the
// effects and the first compose of the whole field; the same without effects; and the parts the
// effects add: the effects alone, the compose with and without them, and a memcpy of the field
// image (F) that those are compared with in the same run. The opened game's buffers are counted
// too, in bytes per picture pixel, each kind on its own; and the runs a turn of every piece makes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "cutting/EdgeBands.h"
#include "cutting/PieceEffects.h"
#include "game/PieceGeometry.h"
#include "playfield/FieldImage.h"

#include "SampleJigsaw.h"

namespace kirvo {
namespace {

constexpr PieceLook kUsualLook {.embossStyle = kEmbossPaper, .woodStyle = kWoodShadow};

struct Game {
    SampleTable table;
    FieldImage field;
};

bool OpenAndCompose(Game& game, bool effects, Random& random)
{
    game.table.state.look = effects ? kUsualLook : PieceLook();
    if (!OpenSample(game.table, FinestWithRotation(), random))
        return false;
    SizeFieldImages(game.field, kSampleWidth, kSampleHeight, kDefaultBackground);
    Compose(game.field, Layer::Field, FieldBox(game.table.windows), What::All, game.table.state, game.table.windows);
    return true;
}

// Opened once per run, with or without effects.
Game& Opened(bool effects)
{
    static std::map<bool, std::unique_ptr<Game>> games;
    std::unique_ptr<Game>& game = games[effects];
    if (!game) {
        game = std::make_unique<Game>();
        Random random;
        if (!OpenAndCompose(*game, effects, random))
            std::abort();
    }
    return *game;
}

void Open(benchmark::State& run)
{
    Game game;
    Random random;
    for (auto _ : run) {
        if (!OpenAndCompose(game, run.range(0) != 0, random))
            run.SkipWithError("the jigsaw did not open");
        benchmark::ClobberMemory();
    }
    run.counters["pieces"] = game.table.state.descriptor.TotalTileNum;
}
BENCHMARK(Open)->ArgName("effects")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each time as right after the cut: flat masks and no edge buffers, so their memory is new.
void Effects(benchmark::State& run)
{
    GameState& state = Opened(true).table.state;
    for (auto _ : run) {
        run.PauseTiming();
        ReleaseEdgeBuffers(state);
        for (int r = 0; r < 4; ++r)
            ResetRelief(state.buffers[size_t(kMaskBuffer + r)]);
        run.ResumeTiming();
        ApplyEffects(state);
        benchmark::DoNotOptimize(state.edgeBuffers[3].pieces.data());
    }
}
BENCHMARK(Effects)->Unit(benchmark::kMillisecond);

void ComposeField(benchmark::State& run)
{
    Game& game = Opened(run.range(0) != 0);
    for (auto _ : run) {
        Compose(game.field, Layer::Field, FieldBox(game.table.windows), What::All, game.table.state,
                game.table.windows);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ComposeField)->ArgName("effects")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void FieldMemcpy(benchmark::State& run)
{
    FieldImage& field = Opened(false).field;
    for (auto _ : run) {
        std::memcpy(field.under.bits, field.image.bits, size_t(field.image.size));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FieldMemcpy)->Unit(benchmark::kMicrosecond);

size_t Held(const CellSpans& cells) { return cells.spans.capacity() * sizeof(CellSpan) + cells.bytes.capacity(); }

// What the game holds in its buffers, by kind, in bytes per picture pixel, and in all.
void CountHeld(benchmark::State& run, const GameState& state)
{
    std::map<std::string, double> held;
    for (int r = 0; r < 4; ++r) {
        held["picture"] += double(state.buffers[size_t(kPictureBuffer + r)].size);
        held["mask"] += double(state.buffers[size_t(kMaskBuffer + r)].size);
        const EdgeBuffer& edges = state.edgeBuffers[size_t(r)];
        for (const PieceCells& cells : edges.pieces)
            held["edges"] += double(sizeof(PieceCells) + cells.cells.capacity() + 4 * cells.mates.capacity());
        for (const CellSpans& band : edges.bands)
            held["bands"] += double(Held(band));
        for (const PieceRuns& runs : state.pieceRuns[size_t(r)]) {
            held["runs"] += double(Held(runs.own) + Held(runs.relief));
            held["lit"] += double(runs.lit.capacity());
        }
    }
    const double pixels = double(state.descriptor.ImageW) * double(state.descriptor.ImageH);
    double total = 0;
    for (const auto& [name, bytes] : held) {
        run.counters[name] = bytes / pixels;
        total += bytes;
    }
    run.counters["total"] = total / pixels;
}

// What the game holds after opening with effects; the time is that of counting.
void HeldBytes(benchmark::State& run)
{
    const GameState& state = Opened(true).table.state;
    for (auto _ : run)
        CountHeld(run, state);
}
BENCHMARK(HeldBytes)->Iterations(1)->Unit(benchmark::kMillisecond);

// The most a turn makes on demand: every piece turned a quarter at once, none with the runs of
// its new rotation, all made from the upright mask. A game of its own, so that the others keep
// theirs; each time the runs of the new rotations are dropped first.
void TurnEveryPiece(benchmark::State& run)
{
    Game game;
    Random random;
    if (!OpenAndCompose(game, true, random)) {
        run.SkipWithError("the jigsaw did not open");
        return;
    }
    GameState& state = game.table.state;
    for (auto _ : run) {
        run.PauseTiming();
        for (int i = 0; i < PieceCount(state); ++i) {
            PieceRecord& piece = state.pieces[size_t(i)];
            piece.rotation = uint8_t((piece.rotation + 1) % 4);
            DeriveGeometry(state, i);
            state.pieceRuns[piece.rotation][size_t(i)] = PieceRuns();
        }
        run.ResumeTiming();
        MakeMissingRuns(state);
    }
}
BENCHMARK(TurnEveryPiece)->Unit(benchmark::kMillisecond);

// A 4000 x 3000 picture opened with the usual effects and composed, once: run alone, the peak
// memory of the process is that of such a game.
void OpenLarge(benchmark::State& run)
{
    for (auto _ : run) {
        SampleTable table;
        FieldImage field;
        Random random;
        table.state.look = kUsualLook;
        if (!OpenSample(table, FinestWithRotation(4000, 3000), random)) {
            run.SkipWithError("the jigsaw did not open");
            return;
        }
        SizeFieldImages(field, kSampleWidth, kSampleHeight, kDefaultBackground);
        Compose(field, Layer::Field, FieldBox(table.windows), What::All, table.state, table.windows);
        CountHeld(run, table.state);
        run.counters["pieces"] = table.state.descriptor.TotalTileNum;
    }
}
BENCHMARK(OpenLarge)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
