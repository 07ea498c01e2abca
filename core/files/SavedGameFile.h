// Saved games on disk: reading a saved game, and the quick save, which rewrites the play-state
// block of a file in place.
//
// A full save is EncodeSavedGame written with WriteFileDurably (base/DurableFile.h) through the
// Saved Games folder's own temporary file, "kirvo.svt" (FILE_NAMES::saveTempFile).
#pragma once

#include <string>

#include "base/Result.h"
#include "files/SavedGame.h"

namespace kirvo {

// The file decoded as DecodeSavedGame does; a file that cannot be read gives the reason.
Result<SavedGame> ReadSavedGame(const std::string& path, SavedGameReadMode mode);

// Rewrites the play-state block of the file in place when it holds this same game (see
// QuickSaveOffset). False, with the file untouched, when it does not (or does not exist); an
// error when the file cannot be opened, read or written.
Result<bool> QuickSaveGame(const std::string& path, const SavedGame& game);

}  // namespace kirvo
