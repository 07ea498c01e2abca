// The sample jigsaw the game benchmarks open: a photo of the sample set scaled to 1920 x 1080,
// so its JPEG decode costs what a real jigsaw's does, cut at the finest level with rotation on.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Folders.h"
#include "cutting/KnobAtlas.h"
#include "files/JigsawFile.h"
#include "files/JigsawWriter.h"
#include "session/JigsawChoices.h"
#include "playfield/PlayWindow.h"
#include "session/NewGame.h"

namespace kirvo {

inline constexpr int kSampleWidth = 1920;
inline constexpr int kSampleHeight = 1080;
inline constexpr int32_t kSampleSeed = 20261210;

inline const KnobAtlas& SampleAtlas()
{
    static const KnobAtlas atlas = KnobAtlasFromPicture(DrawKnobAtlas()).value();
    return atlas;
}

// Written once per run into the temporary folder.
inline const std::string& SampleJigsawPath()
{
    static const std::string path = [] {
        TPixelBuffer photo, picture;
        Result<std::vector<uint8_t>> bytes = ReadFileBytes(KIRVO_SAMPLE_PHOTO);
        if (!bytes || !PixLoadPicture(photo, bytes.value()))
            std::abort();
        PixCreate24(picture, kSampleWidth, kSampleHeight);
        PixScale(picture, photo);
        std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 92);
        std::string file = (std::filesystem::temp_directory_path() / "kirvo-new-game-bench.ast").string();
        if (!WriteJigsawFile(file,
                             {.ImageW = kSampleWidth, .ImageH = kSampleHeight, .preview = jpeg, .picture = jpeg}))
            std::abort();
        return file;
    }();
    return path;
}

inline NewGameChoices FinestWithRotation()
{
    NewGameChoices choices;
    choices.pending.ImageW = kSampleWidth;
    choices.pending.ImageH = kSampleHeight;
    TakeChoices(choices.pending, {.Rotate = true, .BorderStyle = 0, .ShapeStyle = 0, .Level = 0, .FitToScreen = false});
    ComputeFitSize(choices.pending, kSampleWidth, kSampleHeight);
    ApplyChosenLevel(choices.pending);
    choices.seedText = std::to_string(kSampleSeed);
    return choices;
}

// The play windows of the screen less a taskbar, and the game in them.
struct SampleTable {
    GameState state;
    PlayWindows windows;

    SampleTable()
    {
        SetStartField(windows, kSampleWidth, kSampleHeight - 60);
        InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    }
};

// Reads the sample jigsaw and starts a new game of it on the table, with the effects of the
// table's look; false when it cannot.
inline bool OpenSample(SampleTable& table, const NewGameChoices& choices, Random& random)
{
    Result<JigsawFile> jigsaw = ReadJigsawFile(SampleJigsawPath(), JigsawReadMode::Start);
    return jigsaw && StartNewGame(table.state, table.windows, choices, std::move(jigsaw.value().picture), random,
                                  SampleAtlas());
}

}  // namespace kirvo
