// The sample jigsaw the game benchmarks open: a photo of the sample set scaled to 1920 x 1080 (or
// another size),
// so its JPEG decode costs what a real jigsaw's does, cut at the finest level with rotation on.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
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

// Written once per run and size into the temporary folder.
inline const std::string& SampleJigsawPath(int width = kSampleWidth, int height = kSampleHeight)
{
    static std::map<std::pair<int, int>, std::string> paths;
    std::string& path = paths[{width, height}];
    if (path.empty()) {
        TPixelBuffer photo, picture;
        Result<std::vector<uint8_t>> bytes = ReadFileBytes(KIRVO_SAMPLE_PHOTO);
        if (!bytes || !PixLoadPicture(photo, bytes.value()))
            std::abort();
        PixCreate24(picture, width, height);
        PixScale(picture, photo);
        std::vector<uint8_t> jpeg = PixEncodeJpeg(picture, 92);
        const std::string name = "kirvo-new-game-bench-" + std::to_string(width) + "x" + std::to_string(height) + ".ast";
        std::string file = (std::filesystem::temp_directory_path() / name).string();
        if (!WriteJigsawFile(file, {.ImageW = width, .ImageH = height, .preview = jpeg, .picture = jpeg}))
            std::abort();
        path = file;
    }
    return path;
}

inline NewGameChoices FinestWithRotation(int width = kSampleWidth, int height = kSampleHeight)
{
    NewGameChoices choices;
    choices.pending.ImageW = width;
    choices.pending.ImageH = height;
    TakeChoices(choices.pending, {.Rotate = true, .BorderStyle = 0, .ShapeStyle = 0, .Level = 0, .FitToScreen = false});
    ComputeFitSize(choices.pending, width, height);
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

// Reads the sample jigsaw of the choices' size and starts a new game of it on the table, with the effects of the
// table's look; false when it cannot.
inline bool OpenSample(SampleTable& table, const NewGameChoices& choices, Random& random)
{
    Result<JigsawFile> jigsaw =
        ReadJigsawFile(SampleJigsawPath(choices.pending.ImageW, choices.pending.ImageH), JigsawReadMode::Start);
    return jigsaw && StartNewGame(table.state, table.windows, choices, std::move(jigsaw.value().picture), random,
                                  SampleAtlas());
}

}  // namespace kirvo
