// The question asked before the current puzzle is put away (another puzzle opened, the program
// closed): save the changes, throw them away, or stay.
#pragma once

#include <optional>
#include <string>

#include "game/FileNames.h"
#include "session/MessageSink.h"
#include "settings/Translation.h"

namespace kirvo {

enum class Proceed { GoOn, Stop };

// What the question needs from the rest of the program.
class SaveChangesHost {
public:
    virtual ~SaveChangesHost() = default;
    // Writes the game to the file; false when it could not be saved.
    virtual bool SaveGame(const std::string& path) = 0;
    // Lets the player choose a saved-game name; nothing when the player cancels.
    virtual std::optional<std::string> ChooseSaveName() = 0;
};

// GoOn when the caller may discard the puzzle: nothing changed, the player said No, or the game
// was saved. A save on request never writes over the autosave file. A save that fails answers
// Stop, so the player's game is never thrown away unsaved.
Proceed AskSaveChanges(bool changed, FILE_NAMES& names, const Translator& translator, const MessageSink& messages,
                       SaveChangesHost& host);

}  // namespace kirvo
