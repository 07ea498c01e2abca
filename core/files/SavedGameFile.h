// Saved games on disk: reading a saved game, the quick save, which rewrites the play-state block
// of a file in place, and the full save's durable write.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/Result.h"
#include "files/SavedGame.h"

namespace kirvo {

// The file decoded as DecodeSavedGame does.
Result<SavedGame> ReadSavedGame(const std::string& path, SavedGameReadMode mode);

// Rewrites the play-state block of the file in place when it holds this same game (see
// QuickSaveOffset). False, with the file untouched, when it does not (or does not exist); an
// error when the file cannot be opened, read or written.
Result<bool> QuickSaveGame(const std::string& path, const SavedGame& game);

// The full save: the bytes go to tempPath, are flushed to disk and renamed over path, and the
// folder is flushed, so path holds the old file or the new one whole, never a torn one. On
// failure path is untouched and tempPath removed. Once the rename is done the save stands: a
// folder that cannot be flushed only leaves in doubt whether the rename survives a power cut.
Result<> WriteFileDurably(const std::string& path, const std::string& tempPath, std::span<const uint8_t> bytes);

}  // namespace kirvo
