// Opening a 1920 x 1080 jigsaw at the finest level with rotation on — reading the file, decoding
// the picture, cutting, turning the buffers and dealing the pieces — against the cut alone of the
// same picture and choices.
//
// The picture is a photo of the sample set scaled to 1920 x 1080, so the JPEG decode costs what
// a real jigsaw's does.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "browser/JigsawChoices.h"
#include "cutting/Cut.h"
#include "cutting/PieceSizeTable.h"
#include "files/Folders.h"
#include "files/JigsawFile.h"
#include "files/JigsawWriter.h"
#include "shell/NewGame.h"

namespace kirvo {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int32_t kSeed = 20261210;

const KnobAtlas& Atlas()
{
    static const KnobAtlas atlas = KnobAtlasFromPicture(DrawKnobAtlas()).value();
    return atlas;
}

// Written once per run into the temporary folder.
const std::string& JigsawPath()
{
    static const std::string path = [] {
        TPixelBuffer photo, picture;
        if (!PixLoadPicture(photo, ReadFileBytes(KIRVO_SAMPLE_PHOTO).value_or(std::vector<uint8_t> {})))
            std::abort();
        PixCreate24(picture, kWidth, kHeight);
        PixScale(picture, photo);
        std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 92);
        std::string file = (std::filesystem::temp_directory_path() / "kirvo-new-game-bench.ast").string();
        if (!WriteJigsawFile(file, {.ImageW = kWidth, .ImageH = kHeight, .preview = jpeg, .picture = jpeg}))
            std::abort();
        return file;
    }();
    return path;
}

NewGameChoices FinestWithRotation()
{
    NewGameChoices choices;
    choices.pending.ImageW = kWidth;
    choices.pending.ImageH = kHeight;
    TakeChoices(choices.pending, {.Rotate = true, .BorderStyle = 0, .ShapeStyle = 0, .Level = 0, .FitToScreen = false});
    ComputeFitSize(choices.pending, kWidth, kHeight);
    ApplyChosenLevel(choices.pending);
    choices.seedText = std::to_string(kSeed);
    return choices;
}

void OpenJigsaw(benchmark::State& state)
{
    const NewGameChoices choices = FinestWithRotation();
    GameState game;
    PlayWindows windows;
    SetStartField(windows, kWidth, kHeight - 60);
    InitialisePlayWindows(windows, game, "Pocket %d: %d", "Thumbnail");
    Random random;
    for (auto _ : state) {
        Result<JigsawFile> jigsaw = ReadJigsawFile(JigsawPath(), JigsawReadMode::Start);
        if (!jigsaw || !StartNewGame(game, windows, choices, std::move(jigsaw.value().picture), random, Atlas()))
            state.SkipWithError("the jigsaw did not open");
    }
    state.counters["pieces"] = game.descriptor.TotalTileNum;
}
BENCHMARK(OpenJigsaw)->Unit(benchmark::kMillisecond);

void CutAlone(benchmark::State& state)
{
    Descriptor descriptor = FinestWithRotation().pending;
    std::vector<PieceRecord> pieces;
    TPixelBuffer mask;
    for (auto _ : state) {
        Random random {uint32_t(kSeed)};
        CutPieces(descriptor, pieces, mask, random, Atlas());
    }
    state.counters["pieces"] = descriptor.TotalTileNum;
}
BENCHMARK(CutAlone)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kirvo

BENCHMARK_MAIN();
