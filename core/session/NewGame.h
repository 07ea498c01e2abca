// New game: turns a jigsaw picture and the player's choices into a puzzle ready to play — the
// picture fitted and turned, the pieces cut, turned at random and laid out on the first side.
//
// Everything random comes from the game's generator, started at GameSeed: the same picture,
// choices and seed always give the same pieces, rotations and positions.
#pragma once

#include <optional>
#include <string>

#include "base/ProgressStep.h"
#include "base/Random.h"
#include "base/Result.h"
#include "cutting/Cut.h"
#include "cutting/KnobAtlas.h"
#include "game/GameState.h"
#include "playfield/PlayWindow.h"
#include "raster/PixelBuffer.h"
#include "session/MessageSink.h"

namespace kirvo {

struct NewGameChoices {
    Descriptor pending;                   // the selected jigsaw's size and the player's choices, level applied
    std::optional<std::string> seedText;  // what the seed box holds, when it is shown
    std::string shapeLibraryFile;         // the picture shapes of shape style 3; empty = none
};

// Progress steps of opening a jigsaw: reading, field sizing, the piece table and the cut, with
// six more for the turned buffers and more again for the piece effects.
int NewGameStepCount(const Descriptor& pending, bool effectsOn);

// GameSeed of a new game: the seed box's number when it holds one, else the generator's state.
// The generator is set to the seed either way.
int32_t ChooseSeed(const std::optional<std::string>& seedText, Random& random);

// Replaces the puzzle in play with a new game of the picture, decoded from the jigsaw file at
// the pending size (ImageW x ImageH). Fails, touching nothing, when the picture has another size
// or the chosen level cannot be cut; afterwards the descriptor, buffers, pieces, field size and
// pockets are those of the new game, with every play flag clear, and the effects of state.look applied.
// The cut's report says what the player should be told about pieces it could not make cleanly.
// Shape style 3 reads the shape library first: a file that is there but is no shape library gets
// the warning "Invalid DAT file!" through messages; a missing or unreadable one gets nothing, the
// shapes being optional. Either way the puzzle is then cut without picture pieces.
Result<CutReport> StartNewGame(GameState& state, PlayWindows& windows, const NewGameChoices& choices, TPixelBuffer picture,
                      Random& random, const KnobAtlas& atlas, const ProgressStep& step = {},
                      const MessageSink& messages = {});

}  // namespace kirvo
