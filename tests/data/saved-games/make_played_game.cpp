// Writes played.sv1: a real game of a 64 x 48 gradient, cut with a frame and turned pieces, as the
// game saves it; a seed for the saved-game fuzz target and the file kirvo-pack --check accepts.
// Built by hand against the core libraries of a build folder, from that folder:
//   g++ -std=c++20 -I layers/session ../tests/data/saved-games/make_played_game.cpp $(for l in session \
//       commands playfield settings files cutting game raster base; do echo core/$l/libkirvo_$l.a; done) \
//       -lpng -ljpeg -lz
//   ./a.out ../tests/data/saved-games/played.sv1
#include <cstdio>
#include "base/DurableFile.h"
#include "cutting/KnobAtlas.h"
#include "files/SavedGame.h"
#include "files/SavedGameCheck.h"
#include "session/NewGame.h"
#include "session/ResumeGame.h"
using namespace kirvo;
int main(int, char** argv)
{
    GameState state;
    PlayWindows windows;
    SetStartField(windows, 800, 600);
    InitialisePlayWindows(windows, state, "Pocket %d: %d", "Thumbnail");
    TPixelBuffer picture;
    PixCreate24(picture, 64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            PixSetPixel(picture, x, y, MakeColour(x * 4, y * 5, 128));
    NewGameChoices choices;
    choices.pending.ImageW = 64;
    choices.pending.ImageH = 48;
    choices.pending.fitWidth = 64;
    choices.pending.fitHeight = 48;
    choices.pending.Level = 13;
    choices.pending.Rotate = 1;
    choices.pending.BorderStyle = 1;
    choices.pending.ShapeStyle = 0;
    choices.seedText = "2026";
    Random random(1);
    Result<CutReport> started = StartNewGame(state, windows, choices, std::move(picture), random, KnobAtlasFromPicture(DrawKnobAtlas()).value());
    if (!started) { std::printf("%s\n", started.error().c_str()); return 1; }
    TPixelBuffer thumb;
    PixCreate24(thumb, 8, 6);
    SavedGame game = MakeSavedGame(state, windows, {.jigsawName = "gradient", .thumbnail = &thumb, .info = "A gradient"});
    std::vector<uint8_t> bytes = EncodeSavedGame(game);
    Result<SavedGame> back = DecodeSavedGame(bytes, SavedGameReadMode::Start);
    if (!back) { std::printf("decode %s\n", back.error().c_str()); return 1; }
    if (Result<> ok = CheckSavedGame(back.value()); !ok) { std::printf("check %s\n", ok.error().c_str()); return 1; }
    std::printf("pieces %d bytes %zu\n", state.descriptor.TotalTileNum, bytes.size());
    return WriteFileDurably(argv[1], bytes) ? 0 : 1;
}
