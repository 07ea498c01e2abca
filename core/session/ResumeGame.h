// The game in play and its saved form: what a save writes down, and how a saved game becomes the
// game in play again — never cut anew, its pieces, pockets and windows as they were left.
#pragma once

#include <string>

#include "base/ProgressStep.h"
#include "files/SavedGame.h"
#include "game/GameState.h"
#include "playfield/PlayWindow.h"

namespace kirvo {

// What a save writes besides the game state.
struct SaveExtras {
    std::string jigsawName;
    const TPixelBuffer* thumbnail = nullptr;  // the preview the game started with
    std::string info;
    MouseBindings playKeys;
    BackgroundRecord backgrounds {};  // the first three values are kept as they stand
};

// The saved form of the game in play. Its pictures are views of the game's buffers and the
// thumbnail: valid while those live unchanged.
SavedGame MakeSavedGame(const GameState& state, const PlayWindows& windows, const SaveExtras& extras);

// Progress steps of resuming: picture, mask, relief and the last, with six more for the turned
// buffers and more again for the piece effects.
int ResumeStepCount(const Descriptor& descriptor, bool effectsOn);

// Replaces the game in play with the saved one, read in full and passed by CheckSavedGame: buffers
// (the relief of the mask reset, turned copies made when rotation is on), pieces with their turned
// geometry worked out again, pockets with their boxes and scrolls, window backgrounds and the
// weighted piece, the effects of state.look applied; every group is brought into view; no piece is
// selected. The play keys stay in the saved game for the caller. Returns the side to show: the one
// holding every piece when all lie on one side, else the first.
int ResumeGame(GameState& state, PlayWindows& windows, SavedGame&& game, const ProgressStep& step = {});

}  // namespace kirvo
