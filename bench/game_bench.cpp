// A 1920 x 1080 jigsaw at the finest level with rotation on: opening it — reading the file,
// decoding the picture, cutting, turning the buffers and dealing the pieces — against the cut alone
// of the same picture and choices; one drop in play, the walk of the table that snaps and joins,
// with the draw order rebuilt and the finish checked; and saving the game in full (flushed to disk)
// and in place, and resuming it.
//
// The jigsaw is the sample of SampleJigsaw.h.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "base/DurableFile.h"
#include "cutting/Cut.h"
#include "cutting/PieceSizeTable.h"
#include "files/SavedGameFile.h"
#include "game/DrawOrder.h"
#include "game/PieceGeometry.h"
#include "playfield/Completion.h"
#include "playfield/Joining.h"
#include "session/ResumeGame.h"

#include "SampleJigsaw.h"

namespace kirvo {
namespace {

void OpenJigsaw(benchmark::State& state)
{
    const NewGameChoices choices = FinestWithRotation();
    SampleTable table;
    Random random;
    for (auto _ : state) {
        if (!OpenSample(table, choices, random))
            state.SkipWithError("the jigsaw did not open");
    }
    state.counters["pieces"] = table.state.descriptor.TotalTileNum;
}
BENCHMARK(OpenJigsaw)->Unit(benchmark::kMillisecond);

void CutAlone(benchmark::State& state)
{
    Descriptor descriptor = FinestWithRotation().pending;
    std::vector<PieceRecord> pieces;
    TPixelBuffer mask;
    for (auto _ : state) {
        Random random {uint32_t(kSampleSeed)};
        CutPieces(descriptor, pieces, mask, random, SampleAtlas());
    }
    state.counters["pieces"] = descriptor.TotalTileNum;
}
BENCHMARK(CutAlone)->Unit(benchmark::kMillisecond);

// The jigsaw opened afresh; null when it cannot be.
std::unique_ptr<SampleTable> OpenedGame()
{
    auto table = std::make_unique<SampleTable>();
    Random random;
    if (!OpenSample(*table, FinestWithRotation(), random))
        return nullptr;
    return table;
}

std::string SavePath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

// Piece 1 dropped in place beside piece 0, both unturned: one join per drop.
void DropWithSnapping(benchmark::State& state)
{
    std::unique_ptr<SampleTable> table = OpenedGame();
    if (!table) {
        state.SkipWithError("the jigsaw did not open");
        return;
    }
    GameState& game = table->state;
    const PlayWindows& windows = table->windows;
    for (int k : {0, 1}) {
        game.pieces[size_t(k)].rotation = 0;
        DeriveGeometry(game, k);
    }
    game.pieces[1].x = game.pieces[0].x - game.pieces[0].sourceX + game.pieces[1].sourceX + 2;
    game.pieces[1].y = game.pieces[0].y - game.pieces[0].sourceY + game.pieces[1].sourceY;
    const std::vector<PieceRecord> dealt = game.pieces;
    const int tolerance = SnapTolerance(game.descriptor.snapDistance, 12);
    for (auto _ : state) {
        state.PauseTiming();
        game.pieces = dealt;
        state.ResumeTiming();
        JoinResult joins = JoinDroppedGroup(game, 1, MW_SIDE0, tolerance);
        SortDrawOrder(game, SortOrder::Ascending);
        benchmark::DoNotOptimize(CheckCompletion(game, windows));
        if (joins.joins != 1)
            state.SkipWithError("the drop did not join");
    }
    state.counters["pieces"] = game.descriptor.TotalTileNum;
}
BENCHMARK(DropWithSnapping)->Unit(benchmark::kMicrosecond);

SavedGame Saved(const SampleTable& table, const TPixelBuffer& thumbnail)
{
    return MakeSavedGame(table.state, table.windows, {.jigsawName = "bench", .thumbnail = &thumbnail, .info = "A bench"});
}

void FullSave(benchmark::State& state)
{
    std::unique_ptr<SampleTable> table = OpenedGame();
    TPixelBuffer thumbnail;
    PixCreate24(thumbnail, 240, 135);
    const std::string path = SavePath("kirvo-bench-full.sv1");
    for (auto _ : state)
        if (!WriteFileDurably(path, SavePath("kirvo-bench.svt"), EncodeSavedGame(Saved(*table, thumbnail))))
            state.SkipWithError("the save failed");
    state.counters["bytes"] = double(std::filesystem::file_size(path));
}
BENCHMARK(FullSave)->Unit(benchmark::kMillisecond);

void QuickSave(benchmark::State& state)
{
    std::unique_ptr<SampleTable> table = OpenedGame();
    TPixelBuffer thumbnail;
    PixCreate24(thumbnail, 240, 135);
    const std::string path = SavePath("kirvo-bench-quick.sv1");
    const SavedGame game = Saved(*table, thumbnail);
    if (!WriteFileDurably(path, SavePath("kirvo-bench.svt"), EncodeSavedGame(game)))
        state.SkipWithError("the first save failed");
    for (auto _ : state) {
        Result<bool> quick = QuickSaveGame(path, game);
        if (!quick || !quick.value())
            state.SkipWithError("the quick save did not happen");
    }
}
BENCHMARK(QuickSave)->Unit(benchmark::kMillisecond);

void Resume(benchmark::State& state)
{
    std::unique_ptr<SampleTable> table = OpenedGame();
    TPixelBuffer thumbnail;
    PixCreate24(thumbnail, 240, 135);
    const std::string path = SavePath("kirvo-bench-resume.sv1");
    if (!WriteFileDurably(path, SavePath("kirvo-bench.svt"), EncodeSavedGame(Saved(*table, thumbnail))))
        state.SkipWithError("the save failed");
    SampleTable resumed;
    for (auto _ : state) {
        Result<SavedGame> game = ReadSavedGame(path, SavedGameReadMode::Start);
        if (!game) {
            state.SkipWithError("the saved game did not read");
            break;
        }
        ResumeGame(resumed.state, resumed.windows, std::move(game.value()));
    }
}
BENCHMARK(Resume)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
