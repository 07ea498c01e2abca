// GameExtras: what the game keeps about a saved game that the saved-game format has no room for,
// in a small text file beside it ("<saved game>.extra"): the time played and how often Find was
// used. The saved game itself is never changed for it, and a saved game without the file resumes
// as before. Read tolerantly: a missing or garbled file, or a line not understood, keeps nothing.
#pragma once

#include <cstdint>
#include <string>

#include "base/Result.h"

namespace kirvo {

struct GameExtras {
    int64_t playedSeconds = 0;  // time actually played, pauses left out
    int findUses = 0;

    friend bool operator==(const GameExtras&, const GameExtras&) = default;
};

std::string GameExtrasPath(const std::string& savedGame);
GameExtras ReadGameExtras(const std::string& savedGame);
// Written durably beside the saved game.
Result<> WriteGameExtras(const std::string& savedGame, const GameExtras& extras);

}  // namespace kirvo
